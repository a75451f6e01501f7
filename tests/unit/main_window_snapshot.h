#pragma once
// What a source leaves in the main window and the program state, to compare before and after
// an action that must change nothing.

#include <array>
#include <ostream>

#include "app/application.h"

namespace tamrill::test {

struct MainWindowSnapshot {
  explicit MainWindowSnapshot(const Application& app)
      : caption(app.form1.caption()),
        text1(app.form1.text1.caption()),
        label1(app.form1.label1.caption()),
        enabled{app.form1.command1.enabled(), app.form1.command2.enabled(),
                app.form1.command3.enabled(), app.form1.command4.enabled(),
                app.form1.command5.enabled()},
        hexPath(app.state.hexPath),
        listingPath(app.state.listingPath),
        sourceFolder(app.state.sourceFolder),
        errorCount(app.state.errorCount),
        listingText(app.state.listingText) {}

  Text caption, text1, label1;
  std::array<bool, 5> enabled;  // Command1 to Command5
  Text hexPath, listingPath, sourceFolder;
  float errorCount;
  Text listingText;

  bool operator==(const MainWindowSnapshot&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MainWindowSnapshot& s) {
  out << "caption=" << toUtf8(s.caption) << " text1=" << toUtf8(s.text1)
      << " label1=" << toUtf8(s.label1) << " enabled=";
  for (const bool e : s.enabled) out << (e ? '1' : '0');
  return out << " hex=" << toUtf8(s.hexPath) << " lst=" << toUtf8(s.listingPath)
             << " folder=" << toUtf8(s.sourceFolder) << " errorCount=" << s.errorCount
             << " listingText=" << toUtf8(s.listingText);
}

}  // namespace tamrill::test
