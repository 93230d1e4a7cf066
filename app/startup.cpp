#include "app/application.h"
#include "app/mainwindow.h"

namespace padmora {

MainWindow *startPadmora()
{
    auto *main = new MainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->showMaximized();
    return main;
}

} // namespace padmora
