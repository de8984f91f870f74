#include "desktop.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Whether the desktop names a program for the file's type. The desktop's
// opener is started detached and reports success even when it finds none,
// so the question is asked first; where it cannot be asked, the opener tries.
bool programmFuerDatei(const QString &path)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true;
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(path).name()});
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return true;
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

class DesktopServices : public DesktopHandler
{
public:
    bool openUrl(const QUrl &url) override
    {
        if (url.isLocalFile() && !programmFuerDatei(url.toLocalFile()))
            return false;
        return QDesktopServices::openUrl(url);
    }
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
