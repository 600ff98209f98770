// End-to-end test driver: starts the real program under test once per case and
// drives it as a user would.
//
//   e2e_driver.exe [--programs DIR] [--screenshots DIR] [--list] [FILTER]
//   e2e_driver.exe --dump | --dump-show N   (what the form reports, started with show command N)
//
// FILTER: comma-separated name patterns; '*' matches any run, a pattern without '*'
// matches names that start with it. Prints "PASS name" or "FAIL name: reason" per
// case and finally "N passed, M failed"; the exit code is 1 when a case failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <exception>
#include <string>

#include "case_context.h"
#include "cases.h"
#include "framework.h"
#include "component_query.h"
#include "quillcast_session.h"
#include "screenshot.h"
#include "user_input.h"
#include "windows_query.h"

namespace {

using namespace e2e;

std::string directoryOfThisProgram() {
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path, length);
    const auto slash = text.find_last_of("\\/");
    return slash == std::string::npos ? "." : text.substr(0, slash);
}

std::vector<TestCase> allCases() {
    std::vector<TestCase> cases;
    for (auto group : {harnessCases, windowCases, focusCases, hintCases, sendingCases, closingCases, faultCases,
                       scheduleCases, aboutCases, decorationCases, dpiCases, robustnessCases}) {
        auto more = group();
        cases.insert(cases.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return cases;
}

// Runs one case; returns the failure reason, empty on success.
std::string runCase(const TestCase& testCase, const RunSettings& settings, Inspector& inspector) {
    try {
        CaseContext context(settings, inspector, testCase.name);
        testCase.run(context);
        return {};
    } catch (const CheckFailure& failure) {
        return failure.what();
    } catch (const std::exception& error) {
        return std::string("unexpected error: ") + error.what();
    }
}

// The main window as a user first sees it, kept with the results.
void saveMainWindowPicture(const RunSettings& settings, Inspector& inspector) {
    try {
        CaseContext context(settings, inspector, "screenshot");
        QuillcastSession session(context);
        HWND form = session.form();
        moveMouseTo(form, POINT{300, 320});  // no button in its hover state
        RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        sendWithTimeout(form, WM_NULL, 0, 0);
        RECT client{};
        GetClientRect(form, &client);
        MapWindowPoints(form, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        const std::string path = settings.screenshotDir + "\\main-window.bmp";
        if (!saveScreenRect(client, path)) std::fprintf(stderr, "could not save %s\n", path.c_str());
        session.exitNormally();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "no screenshot of the main window: %s\n", error.what());
    }
}

// Prints what the form reports about every component, for looking into a failure.
int dumpComponents(const RunSettings& settings, Inspector& inspector, std::optional<WORD> showCommand) {
    try {
        CaseContext context(settings, inspector, "dump");
        QuillcastSession session(context, LaunchOptions{kProduct, showCommand, ""});
        std::printf("form %s client ", describeRect(windowRect(session.form())).c_str());
        RECT client{};
        GetClientRect(session.form(), &client);
        std::printf("%s zoomed=%d\n", describeRect(client).c_str(), IsZoomed(session.form()) ? 1 : 0);
        for (const std::string& name : inspector.creationOrder(session.form())) {
            std::printf("--- %s\n", name.c_str());
            const auto info = inspector.component(session.form(), name);
            for (const char* key : {"Class", "Left", "Top", "Width", "Height", "Text", "Hwnd", "TabOrder", "State"})
                if (info.has(key)) std::printf("%s=%s\n", key, show(info.text(key)).c_str());
            if (info.number("Hwnd") != 0)
                std::printf("window rect in form: %s\n",
                            describeRect(rectInParent(reinterpret_cast<HWND>(static_cast<INT_PTR>(info.number("Hwnd"))))).c_str());
        }
        session.exitNormally();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dump failed: %s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    RunSettings settings;
    settings.programDir = directoryOfThisProgram();
    std::string filter;
    bool listOnly = false;
    bool dump = false;
    std::optional<WORD> dumpShow = SW_SHOWNORMAL;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--programs" && i + 1 < argc)
            settings.programDir = argv[++i];
        else if (argument == "--screenshots" && i + 1 < argc)
            settings.screenshotDir = argv[++i];
        else if (argument == "--dump")
            dump = true;
        else if (argument == "--dump-show" && i + 1 < argc)
            dump = true, dumpShow = static_cast<WORD>(std::atoi(argv[++i]));
        else if (argument == "--list")
            listOnly = true;
        else if (!argument.empty() && argument[0] == '-') {
            std::fprintf(stderr, "usage: e2e_driver [--programs DIR] [--screenshots DIR] [--list] [FILTER] | --dump | --dump-show N\n");
            return 2;
        } else
            filter = argument;
    }
    settings.logDir = settings.programDir + "\\e2e-logs";
    CreateDirectoryA(settings.logDir.c_str(), nullptr);
    if (!settings.screenshotDir.empty()) CreateDirectoryA(settings.screenshotDir.c_str(), nullptr);

    Inspector inspector;
    if (dump) return dumpComponents(settings, inspector, dumpShow);
    int passed = 0, failed = 0;
    for (const TestCase& testCase : allCases()) {
        if (!matchesFilter(testCase.name, filter)) continue;
        if (listOnly) {
            std::printf("%s\n", testCase.name.c_str());
            continue;
        }
        const std::string reason = runCase(testCase, settings, inspector);
        if (reason.empty()) {
            ++passed;
            std::printf("PASS %s\n", testCase.name.c_str());
        } else {
            ++failed;
            std::printf("FAIL %s: %s\n", testCase.name.c_str(), reason.c_str());
        }
        std::fflush(stdout);
    }
    if (listOnly) return 0;
    if (!settings.screenshotDir.empty()) saveMainWindowPicture(settings, inspector);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
