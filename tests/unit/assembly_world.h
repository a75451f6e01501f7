#pragma once
// A program started in C:\Tamrill with its three tools, driven through its events on the fake
// platform, and a stand-in assembler that writes the listing and the HEX file beside the source.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "app/application.h"
#include "base/paths.h"
#include "support/fake_platform.h"

namespace tamrill::test {

inline constexpr char kAssemblerContent[] = "ASM51 of the program";
inline constexpr char kMod51Content[] = "MOD51 of the program";
inline constexpr char kMod52Content[] = "MOD52 of the program";

// What the stand-in assembler writes.
enum class AssemblerOutput { Nothing, NoErrors, ThreeErrors, NoSummary };

inline std::string listingWith(AssemblerOutput output) {
  switch (output) {
    case AssemblerOutput::NoErrors:
      return "0000  END\r\nASSEMBLY COMPLETE, NO ERRORS FOUND\r\n";
    case AssemblerOutput::ThreeErrors:
      return "0000  MOV A,\r\nASSEMBLY COMPLETE,   3 ERRORS FOUND\r\n";
    case AssemblerOutput::NoSummary:
      return "0000  END\r\nASSEMBLY ABORTED\r\n";
    case AssemblerOutput::Nothing:
      break;
  }
  return {};
}

class AssemblyWorld {
 public:
  AssemblyWorld() {
    fake.addFile(u"C:\\Tamrill\\asm51.exe", kAssemblerContent);
    fake.addFile(u"C:\\Tamrill\\mod51", kMod51Content);
    fake.addFile(u"C:\\Tamrill\\mod52", kMod52Content);
    fake.onStart = [this](const FakePlatform::Start& start) { playAssembler(start); };
  }
  // A second Tamrill of the same user (a second "Open with"), on the same disk.
  explicit AssemblyWorld(AssemblyWorld& sameDisk) : fake(sameDisk.fake) {
    fake.onStart = [this](const FakePlatform::Start& start) { playAssembler(start); };
  }
  AssemblyWorld(const AssemblyWorld&) = delete;
  AssemblyWorld& operator=(const AssemblyWorld&) = delete;

  void load() { form().deliver(nullptr, ui::Event::Load); }
  // As the user would: through "Otevřít ASM" and the file-open dialog.
  void open(const Text& path) {
    fake.dialogAnswers.push_back(ChosenFile{path, fileNameOf(path)});
    form().deliver(&form().command1, ui::Event::Click);
  }
  void assemble() { form().deliver(&form().command3, ui::Event::Click); }
  void tick() { form().deliver(&form().timer1, ui::Event::Timer); }
  void close() { form().deliver(nullptr, ui::Event::Unload); }
  void konec() { form().deliver(&form().command6, ui::Event::Click); }

  Form1& form() { return app.form1; }
  ProgramState& state() { return app.state; }

  std::vector<Text> startsOf(bool waited) const {
    std::vector<Text> lines;
    for (const auto& s : fake.starts) {
      if (s.waited == waited && !s.commandLine.starts_with(u"notepad ")) {
        lines.push_back(s.commandLine);
      }
    }
    return lines;
  }
  std::vector<Text> messageTitles() const {
    std::vector<Text> titles;
    for (const auto& m : fake.messages) titles.push_back(m.title);
    return titles;
  }

  FakePlatform fake;
  Application app{fake, fake};
  AssemblerOutput output = AssemblerOutput::NoErrors;
  bool writeHex = true;
  // What the stand-in found in its current folder when it ran.
  bool sawAllTools = false;
  // Runs while the stand-in assembler runs, before it writes its files: what another window
  // or the user does meanwhile.
  std::function<void()> duringRun;

 private:
  void playAssembler(const FakePlatform::Start& start) {
    if (start.commandLine.starts_with(u"notepad ")) return;
    const Text base = start.commandLine.substr(start.commandLine.rfind(u' ') + 1);
    const auto allTools = [&] {
      return fake.hasFile(start.folder + u"asm51.exe") && fake.hasFile(start.folder + u"mod51") &&
             fake.hasFile(start.folder + u"mod52");
    };
    sawAllTools = allTools();
    if (duringRun) {
      const auto during = std::exchange(duringRun, nullptr);
      during();
      sawAllTools = sawAllTools && allTools();
    }
    if (output != AssemblerOutput::Nothing) {
      fake.addFile(start.folder + base + u".lst", listingWith(output));
    }
    if (writeHex && output != AssemblerOutput::Nothing) {
      fake.addFile(start.folder + base + u".hex", ":00000001FF\r\n");
    }
  }
};

}  // namespace tamrill::test
