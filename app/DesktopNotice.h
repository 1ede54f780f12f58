#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QDBusPendingCall;
class QDBusPendingCallWatcher;

namespace pomelo {

// The alarm's notice in the desktop's notification centre, through the
// freedesktop notification service on the session bus. No call waits for an
// answer; without a bus or a service nothing shows and nothing fails. No
// notice outlives the gadget's interest in it: one withdrawn or replaced
// before the service answered its post is closed when the answer comes, and
// the program, ending, waits a little for the answers still owed and closes
// what they name. The notice carries the actions Stop and Again, and a click
// on its body does what Stop does; what the user does with our notice is
// told by the signals below, and what is done with other notices is none of
// ours.
class DesktopNotice : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotice(QObject *parent = nullptr);
    ~DesktopNotice() override;

    // Posts a critical notice (it stays until withdrawn), replacing ours if
    // one is up.
    void post(const QString &text);
    // Withdraws our notice, also one whose post is still unanswered.
    void withdraw();

Q_SIGNALS:
    void stopChosen();
    void againChosen();
    // The user closed the notice; it is gone.
    void dismissed();

private Q_SLOTS:
    void actionInvoked(quint32 id, const QString &action);
    void notificationClosed(quint32 id, quint32 reason);

private:
    // Hears the service's signals only while a notice of ours is up or on
    // its way, so that other programs' notices never wake the gadget.
    void listen(bool on);
    void answered(QDBusPendingCallWatcher *post);
    void close(quint32 id);
    // Keeps the call among `calls` until it is answered.
    QDBusPendingCallWatcher *watch(const QDBusPendingCall &call,
                                   QList<QDBusPendingCallWatcher *> &calls);

    quint32 id_ = 0; // the service's id of our notice that is up, 0 for none
    bool listening_ = false;
    QDBusPendingCallWatcher *wanted_ = nullptr; // the post whose notice is to stay up
    QList<QDBusPendingCallWatcher *> posts_;    // not answered yet
    QList<QDBusPendingCallWatcher *> closes_;   // not answered yet
};

} // namespace pomelo
