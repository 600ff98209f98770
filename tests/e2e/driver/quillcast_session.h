#pragma once
// The program started and on the screen, with its two top-level windows found and
// the operations that most cases share.
#include <windows.h>

#include <string>
#include <vector>

#include "component_query.h"
#include "program.h"

namespace e2e {

class CaseContext;

class QuillcastSession {
public:
    explicit QuillcastSession(CaseContext& context, const LaunchOptions& options = {});

    Program& program() { return program_; }
    HWND applicationWindow() const { return application_; }
    HWND form() const { return form_; }

    ComponentInfo component(const std::string& name);
    // The window of a windowed component, checked to be a child of the form.
    HWND controlWindow(const std::string& name);
    // A real click at the centre of a component, with the form in front.
    void clickComponent(const std::string& name);
    void moveMouseToComponent(const std::string& name);
    // Keys go to the form's focused control.
    void press(WORD key, std::initializer_list<WORD> modifiers = {});
    void waitForFocus(const std::string& name);
    // The name of the windowed component a window belongs to, for messages.
    std::string nameOfWindow(HWND window);
    // Selection of an edit as (start, end).
    std::pair<DWORD, DWORD> selection(const std::string& name);

    // Waits for at least `atLeast` net records, lets the program finish what it is
    // handling and every started stand-in write its record, then returns them all.
    std::vector<std::string> settledNetRecords(std::size_t atLeast);
    // The same, waiting for a record equal to `record` instead of a count.
    std::vector<std::string> settledNetRecordsWith(const std::string& record);

    // Ends the program through the Exit button and checks exit code 0.
    void exitNormally();

private:
    std::vector<std::string> settleNetRecords();

    CaseContext& context_;
    Program program_;
    HWND application_ = nullptr;
    HWND form_ = nullptr;
};

}  // namespace e2e
