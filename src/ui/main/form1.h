#pragma once
// The main window: its controls, its own fields and one handler per handled event. The handlers
// live in files by subject: start-up (core/startup.cpp), command-line opening
// (core/command_line.cpp), the commands (ui/main/commands.cpp), assembling and the clean-ups
// (assembly/), the report label (report/).

#include "state/program_state.h"
#include "ui/form.h"

namespace tamrill {

class Application;

class Form1 final : public ui::Form {
 public:
  explicit Form1(Application& app);

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
  void openFromCommandLine();

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  Application& app_;
};

}  // namespace tamrill
