#include "app/Form0.h"
#include "app/Form3.h"
#include "platform/QtServices.h"
#include "platform/Twips.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessolina"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    Twips::initFromScreen();

    QtServices services;
    // The main window is made when the splash's time is up, so that it loads
    // then, just before it shows.
    std::optional<Form3> form3;
    auto* splash = new Form0([&] {
        form3.emplace(services);
        form3->showMaximized();
    });
    splash->Form_Load();
    splash->show();
    return app.exec();
}
