#pragma once
// The three tools that the assemble command copies beside a source outside the program's folder,
// in the order they are copied and removed, each with the main window's fields that track it.

#include <array>

#include "core/paths.h"
#include "core/program_state.h"
#include "ui/main/form1.h"

namespace tamrill {

struct StagedTool {
  const char16_t* copyName;     // the copy's name in the staging folder
  Text ProgramState::*appPath;  // the original, in the program's folder
  Flag Form1::*flag;            // -1 when the last staged run made this copy itself
  bool Form1::*pending;         // that copy is still on disk as far as the program knows
};

inline constexpr std::array<StagedTool, 3> kStagedTools{{
    {kAssemblerFileName, &ProgramState::appAssemblerPath, &Form1::stagedAssembler,
     &Form1::stagedAssemblerPending},
    {kMod51FileName, &ProgramState::appMod51Path, &Form1::stagedMod51, &Form1::stagedMod51Pending},
    {kMod52FileName, &ProgramState::appMod52Path, &Form1::stagedMod52, &Form1::stagedMod52Pending},
}};

}  // namespace tamrill
