#pragma once
// One event at a time, across all windows: a handler runs to its end, message boxes and dialogs
// included, before the next event is taken. Whatever arrives meanwhile (a timer tick through a
// modal box's message loop, say) is dropped, not queued.

namespace tamrill::ui {

class EventGate {
 public:
  bool busy() const { return busy_; }

  // Held for the length of one handler.
  class Pass {
   public:
    explicit Pass(EventGate& gate) : gate_(gate) { gate_.busy_ = true; }
    ~Pass() { gate_.busy_ = false; }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

   private:
    EventGate& gate_;
  };

 private:
  bool busy_ = false;
};

}  // namespace tamrill::ui
