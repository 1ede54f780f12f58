#pragma once

#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

namespace pomelo {

// The alarm's notice in the desktop's notification centre, through the
// freedesktop notification service on the session bus. No call waits for an
// answer; without a bus or a service nothing shows and nothing fails.
class DesktopNotice : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotice(QObject *parent = nullptr);

    // Posts a critical notice (it stays until withdrawn), replacing ours if
    // one is up.
    void post(const QString &text);
    // Withdraws our notice, also one whose post is still unanswered.
    void withdraw();

private:
    void answered(QDBusPendingCallWatcher *watcher);

    quint32 id_ = 0; // the service's id of our notice that is up, 0 for none
    QDBusPendingCallWatcher *pending_ = nullptr; // a post not answered yet
    bool withdrawWhenAnswered_ = false;
};

} // namespace pomelo
