#pragma once
// The help window: a scrolling page about the program, a check of the assembler's files, and a
// pulsing appeal with a link to the maker's web site.
//
// The object lives for the whole run (the Application owns it) while its controls are built anew
// at each showing. So whatever must outlast a closing (the pulse's step and the check's flags) is
// kept here, never in a control.

#include <cstdint>

#include "platform/platform.h"
#include "ui/form.h"

namespace tamrill {

class Form3 final : public ui::Form {
 public:
  Form3(ui::EventGate& gate, Platform& platform);

  ui::Control& frame1;    // holds the whole page
  ui::Control& vScroll1;  // moves frame1
  ui::Control& label4;    // the maker's address
  ui::Control& label18;   // the maker's address, spaced out, under the appeal
  ui::Control& label19;   // starts the file check
  ui::Control& label22;   // the appeal, pulsing
  ui::Control& label23;   // follows label22's colour
  ui::Control& timer1;

  // What the last file check found.
  bool foundAssembler = false;
  bool foundMod51 = false;
  bool foundMod52 = false;
  // 0 before the first tick of the run, then 1 to 7.
  std::uint8_t pulseStep = 0;

  void vScroll1Change();
  void vScroll1Scroll();
  void label18MouseMove();
  void frame1MouseMove();
  void form3MouseMove();
  void label18Click();
  void label4Click();
  void label19Click();
  void timer1Timer();
  void openHomePage();

 protected:
  void handle(ui::Control* source, ui::Event event) override;

 private:
  void scrollContent();

  Platform& platform_;
};

}  // namespace tamrill
