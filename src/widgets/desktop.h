#pragma once

class QUrl;

// The one way the program asks the desktop to open something: a web or mail
// address in the user's browser or mail program, a file in the program the
// desktop opens such files with. Tests install a handler that records instead.
class DesktopHandler
{
public:
    virtual ~DesktopHandler() = default;
    // Returns whether the desktop took the request.
    virtual bool openUrl(const QUrl &url) = 0;
};

namespace Desktop {

bool openUrl(const QUrl &url);

// Replaces the desktop (nullptr restores it); the caller keeps ownership.
void setHandler(DesktopHandler *handler);

} // namespace Desktop
