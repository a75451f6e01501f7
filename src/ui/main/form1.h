#pragma once
// The main window: its controls, its own fields and one handler per handled event. The handlers
// live in this folder by subject: the commands (commands.cpp), loading a source and its report
// (load_source.cpp), assembling (assemble.cpp), the clean-ups (cleanup.cpp) and what start-up
// tells (start_up.cpp). Start-up itself is the application's: the Load event runs it through the
// load hook.

#include <functional>
#include <initializer_list>

#include "platform/platform.h"
#include "report/error_report.h"
#include "state/program_state.h"
#include "ui/form.h"
#include "ui/form_host.h"

namespace tamrill {

class Form2;
class Form3;

class Form1 final : public ui::Form {
 public:
  Form1(Platform& platform, ui::FormHost& host, ProgramState& state, ui::EventGate& gate,
        Form2& about, Form3& help);

  ui::Control& text1;
  ui::Control& command1;  // "Otevřít ASM"
  ui::Control& command2;  // "Zobrazit ASM"
  ui::Control& command3;  // "Přeložit"
  ui::Control& command4;  // "Zobrazit výpis"
  ui::Control& command5;  // "Zobrazit HEX"
  ui::Control& command6;  // "Konec"
  ui::Control& command7;  // "Nápověda"
  ui::Control& command8;  // "O programu"
  ui::Control& label1;    // the error report
  ui::Control& line1;
  ui::Control& richTextBox1;
  ui::Control& timer1;

  // Working values of the command-line opening.
  Text pairedSourcePath;
  Text pairedSourceFileName;

  // What the Load event runs: the start-up, which the application sets.
  std::function<void()> onLoad;

  // Accepts the source whose path and name the caller has stored in sourcePath and
  // sourceFileName: checks the name's length, derives the HEX and listing paths, updates this
  // window and reports an existing listing. False when a failed listing scan stopped it; what
  // it did up to then stays.
  [[nodiscard]] bool loadSource();

  // What start-up and the command-line opening tell through this window: a tool missing from
  // the program's folder (nothing can be opened then), and a HEX or listing file named on the
  // command line without its source beside it.
  void toolMissing(TextView fileName);
  void pairedSourceMissing();

  void form1Load();
  void form1Unload();
  // Logging off or shutting down: the copies go without a word, even while another handler
  // waits in a message box or dialog, and the program ends.
  void sessionEnding() override;
  void timer1Timer();
  void command1Click();
  void command2Click();
  void command3Click();
  void command4Click();
  void command5Click();
  void command6Click();
  void command7Click();
  void command8Click();
  void label1Click();

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  // Tells the user what the last scan's errorCount means: the report label's caption and, when
  // there are errors, the offer to show the listing in Notepad.
  void showReport(ReportSteps steps);
  // A listing without its summary: the label asks for a new scan, and a box says why.
  void tellNoSummary();
  void warn(const Text& text);
  // Shows path in Notepad, or, when the file has gone, says so and disables the buttons that
  // depend on it until a source is loaded again.
  void viewFile(const Text& path, const Text& shownName,
                std::initializer_list<ui::Control*> disabledWhenMissing);

  Platform& platform_;
  ui::FormHost& host_;
  ProgramState& state_;
  Form2& about_;
  Form3& help_;
};

}  // namespace tamrill
