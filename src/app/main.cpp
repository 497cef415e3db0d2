#include "app/Language.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (!CLanguage::instance().LoadStartupLanguage())
        return 1;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Skaleron"));
    window.show();
    const int rc = app.exec();
    CLanguage::instance().StoreLanguageAtExit();
    return rc;
}
