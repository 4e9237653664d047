#include "main_form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("udjat"));
    QApplication::setApplicationVersion(QStringLiteral(UDJAT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(UDJAT_APP_ID));
    QApplication::setFont(MainForm::windowFont());

    MainForm window;
    window.show();
    return app.exec();
}
