// Creation of the program's windows in their fixed order: the main window first, then the
// dialogs it uses, all owned by the main window.
#pragma once

#include <memory>

namespace tarvix {

struct Program;
class TForm1;

std::unique_ptr<TForm1> CreateMainWindows(Program& program);

}  // namespace tarvix
