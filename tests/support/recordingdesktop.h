#pragma once

#include "desktop.h"

#include <QList>
#include <QUrl>

// Records what the program asks the desktop to open, and answers whether a
// program took it.
class RecordingDesktop : public DesktopHandler
{
public:
    RecordingDesktop() { Desktop::setHandler(this); }
    ~RecordingDesktop() override { Desktop::setHandler(nullptr); }

    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return answer;
    }

    QList<QUrl> urls;
    bool answer = true;
};
