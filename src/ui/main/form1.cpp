#include "ui/main/form1.h"

#include "ui/main/form1_layout.h"

namespace tamrill {

Form1::Form1(Platform& platform, ui::FormHost& host, ProgramState& state, ui::EventGate& gate,
             Form2& about, Form3& help)
    : ui::Form(ui::kForm1Design, ui::form1Layout(), gate),
      text1(control("Text1")),
      command1(control("Command1")),
      command2(control("Command2")),
      command3(control("Command3")),
      command4(control("Command4")),
      command5(control("Command5")),
      command6(control("Command6")),
      command7(control("Command7")),
      command8(control("Command8")),
      label1(control("Label1")),
      line1(control("Line1")),
      richTextBox1(control("RichTextBox1")),
      timer1(control("Timer1")),
      platform_(platform),
      host_(host),
      state_(state),
      about_(about),
      help_(help) {}

void Form1::handle(ui::Control* source, ui::Event event) {
  using ui::Event;
  if (source == nullptr) {
    if (event == Event::Load) form1Load();
    if (event == Event::Unload) form1Unload();
    return;
  }
  if (source == &timer1 && event == Event::Timer) return timer1Timer();
  if (event != Event::Click) return;
  if (source == &command1) return command1Click();
  if (source == &command2) return command2Click();
  if (source == &command3) return command3Click();
  if (source == &command4) return command4Click();
  if (source == &command5) return command5Click();
  if (source == &command6) return command6Click();
  if (source == &command7) return command7Click();
  if (source == &command8) return command8Click();
  if (source == &label1) return label1Click();
}

}  // namespace tamrill
