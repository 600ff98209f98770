#include <windows.h>

#include "toolkit/application.h"
#include "ui/main_form.h"
#include "ui/test_hooks.h"

// The program reads no command line and keeps no state between runs; every
// path out, an error at start-up included, ends with exit code 0.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace quillcast;
    // Libraries loaded from here on come from the system folder only, never from
    // beside the executable or the current folder, where anyone could plant one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    TApplication application(instance);
    TfrmMain* frmMain = nullptr;
    try {
        TestHooks::InstallLocaleSource(application);
        application.Initialize();
        application.SetTitle("Quill Cast");
        application.CreateForm(frmMain);
        application.Run();
    } catch (const Exception& error) {
        application.ShowException(error);
    } catch (const std::bad_alloc&) {
        application.ShowException(Exception("Out of memory"));
    } catch (...) {
        // Anything else is reported as an error without a text.
        application.ShowException(Exception(""));
    }
    return 0;
}
