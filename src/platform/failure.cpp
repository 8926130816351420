#include "platform/failure.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

namespace platform {
namespace {
FailureHandler& handler() {
    static FailureHandler h;
    return h;
}
}  // namespace

void setFailureHandler(FailureHandler h) { handler() = std::move(h); }

void reportUnexpectedFailure(int number, const QString& description) {
    if (handler()) handler()(number, description);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Brevandel"),
                        QStringLiteral("Error %1: %2").arg(number).arg(description), QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }
    std::exit(EXIT_FAILURE);
}

}  // namespace platform
