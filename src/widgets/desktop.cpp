#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopServices : public DesktopHandler
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

DesktopServices desktopServices;
DesktopHandler *current = &desktopServices;

} // namespace

namespace Desktop {

bool openUrl(const QUrl &url)
{
    return current->openUrl(url);
}

void setHandler(DesktopHandler *handler)
{
    current = handler ? handler : &desktopServices;
}

} // namespace Desktop
