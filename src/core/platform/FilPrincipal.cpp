#include "core/platform/FilPrincipal.h"

#include <QCoreApplication>
#include <QThread>

void SurFilPrincipal(const std::function<void()>& action) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() == application->thread()) {
        action();
        return;
    }
    QMetaObject::invokeMethod(application, action, Qt::BlockingQueuedConnection);
}
