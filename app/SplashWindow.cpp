#include "app/SplashWindow.h"

#include <QMouseEvent>
#include <QTimer>

// Outside any namespace: the resource's registration function is global.
static QPixmap SplashPicture() {
    // The picture is compiled into a static library; nothing else refers to
    // it, so the linker keeps it only because of this call.
    Q_INIT_RESOURCE(splash);
    return QPixmap(QStringLiteral(":/splash/Splash.png"));
}

SplashWindow::SplashWindow() : QSplashScreen(SplashPicture(), Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(kShownMilliseconds, this, &QWidget::close);
}

void SplashWindow::ShowLoading(const QString& what) {
    showMessage(what, Qt::AlignBottom | Qt::AlignHCenter, QColor(70, 70, 90));
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    // Closed on the release, so the click does not fall through to the
    // window below.
    event->accept();
}

void SplashWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    close();
}
