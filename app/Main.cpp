// Program entry: the application, the main window from its design, the data
// module, then the message loop, which shows the main window.
#include "toolkit/Application.h"
#include "app/MainForm/MainForm.h"
#include "app/ShareDM.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    tk::Application application;
    application.SetScalesForms(true);
    try {
        auto* mainForm = new TFormMain(&application);
        auto* data = new TShareDataModule(&application);
        mainForm->SetDataModule(*data);
    } catch (const std::exception& error) {
        application.HandleException(error); // a damaged design: say so, then end
        return 1;
    }
    application.Run();
    return 0;
}
