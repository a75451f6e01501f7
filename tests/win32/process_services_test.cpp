// Starting programs for real under Wine: in the given folder, waited for or not, and the
// failures that the program names to the user.

#include <gtest/gtest.h>

#include <thread>

#include "base/program_arguments.h"
#include "temp_folder.h"
#include "win32/dialogs.h"
#include "win32/win32_platform.h"

namespace tamrill::test {
namespace {

class ProcessServicesTest : public testing::Test {
 protected:
  win32::Win32Platform platform{::GetModuleHandleW(nullptr)};
  TempFolder folder;
};

// Waits up to ten seconds for a file that a program started without waiting should make.
bool appears(const Text& path) {
  for (int i = 0; i < 200; ++i) {
    if (isThere(path)) return true;
    ::Sleep(50);
  }
  return false;
}

TEST_F(ProcessServicesTest, RunAndWaitRunsInTheGivenFolderAndReturnsWhenTheProgramHasEnded) {
  ASSERT_TRUE(::CreateDirectoryW(wide(folder / u"Složka s mezerami").c_str(), nullptr));
  EXPECT_EQ(platform.runAndWait(u"cmd.exe /c echo done>made.txt", folder / u"Složka s mezerami"),
            SysError::None);
  // Already there when the call returns: the call waited, and the child ran in that folder.
  EXPECT_TRUE(isThere(folder / u"Složka s mezerami\\made.txt"));
}

TEST_F(ProcessServicesTest, StartProgramRunsInTheGivenFolder) {
  EXPECT_EQ(platform.startProgram(u"cmd.exe /c echo done>started.txt", folder.path(), u""),
            SysError::None);
  EXPECT_TRUE(appears(folder / u"started.txt"));
}

// A named program file runs as it is, whatever the command line's first word would find: the
// system's Notepad, never a notepad.exe in the current folder.
TEST_F(ProcessServicesTest, ANamedProgramFileRunsAndNothingIsSearchedFor) {
  const Text system = platform.systemFolder();
  ASSERT_FALSE(system.empty());
  EXPECT_TRUE(platform.fileExists(system + u"\\notepad.exe"));
  EXPECT_EQ(platform.startProgram(u"notepad /c echo done>started.txt", folder.path(),
                                  system + u"\\cmd.exe"),
            SysError::None);
  EXPECT_TRUE(appears(folder / u"started.txt"));
}

TEST_F(ProcessServicesTest, TheStartFolderIsTheCurrentFolderAtStartAndAbsolute) {
  wchar_t current[MAX_PATH] = {};
  ASSERT_NE(::GetCurrentDirectoryW(MAX_PATH, current), 0U);
  Text expected(reinterpret_cast<const char16_t*>(current));
  if (expected.size() > 3 && expected.back() == u'\\') expected.pop_back();
  EXPECT_EQ(platform.startFolder(), expected);
  EXPECT_EQ(platform.startFolder()[1], u':');
}

TEST_F(ProcessServicesTest, AProgramThatIsNotThereIsReported) {
  EXPECT_EQ(platform.runAndWait(folder / u"asm51.exe blik", folder.path()), SysError::NotFound);
  EXPECT_EQ(platform.startProgram(folder / u"notepad-is-not-here.exe x", u"", u""),
            SysError::NotFound);
  EXPECT_EQ(platform.runAndWait(u"cmd.exe /c exit", folder / u"no such folder"),
            SysError::NotFound);
}

TEST_F(ProcessServicesTest, AFileThatIsNoWindowsProgramIsNamedAsSuch) {
  // An old DOS program: a header with nothing a 64-bit Windows can run behind it.
  std::string dosProgram = "MZ";
  dosProgram.resize(512, '\x90');
  writeFile(folder / u"asm51.exe", dosProgram);
  EXPECT_EQ(platform.runAndWait(folder / u"asm51.exe blik", folder.path()), SysError::BadExeFormat);
  EXPECT_EQ(platform.startProgram(folder / u"asm51.exe blik", u"", u""), SysError::BadExeFormat);

  writeFile(folder / u"notes.exe", "not a program at all\r\n");
  EXPECT_EQ(platform.runAndWait(folder / u"notes.exe blik", folder.path()), SysError::BadExeFormat);
}

TEST_F(ProcessServicesTest, ARealProgramInAMissingFolderIsNotCalledABadProgram) {
  // This very test program is a proper one: the failure is the folder, not the program.
  const Text self = platform.programFolder() + u"\\tamrill_win32_tests.exe";
  EXPECT_EQ(platform.runAndWait(self + u" --gtest_list_tests", folder / u"no such folder"),
            SysError::NotFound);
}

TEST_F(ProcessServicesTest, TheProgramFolderHoldsTheProgramAndHasNoTrailingBackslash) {
  const Text programFolder = platform.programFolder();
  ASSERT_FALSE(programFolder.empty());
  EXPECT_NE(programFolder.back(), u'\\');
  EXPECT_TRUE(platform.fileExists(programFolder + u"\\tamrill_win32_tests.exe"));
}

TEST_F(ProcessServicesTest, TheArgumentsAreTheCommandLineLessTheProgramsName) {
  const Text whole(reinterpret_cast<const char16_t*>(::GetCommandLineW()));
  const Text arguments = platform.commandLine();
  ASSERT_LE(arguments.size(), whole.size());
  EXPECT_EQ(whole.substr(whole.size() - arguments.size()), arguments);
  EXPECT_EQ(arguments.find(u"tamrill_win32_tests"), Text::npos);
}

TEST(DialogFilterTest, BarsBecomeNulsAndTheListEndsInTwo) {
  EXPECT_EQ(win32::dialogFilter(u"ASM File|*.asm"), std::wstring(L"ASM File\0*.asm\0\0", 16));
  EXPECT_EQ(win32::dialogFilter(u"Zdroj|*.asm|Vše|*.*"),
            std::wstring(L"Zdroj\0*.asm\0Vše\0*.*\0\0", 21));
}

// A session is a process and its start: one that has ended, or a process number given since to
// another program, is no running Tamrill.
TEST_F(ProcessServicesTest, ASessionRunsUntilItsProcessEnds) {
  const SessionId own = platform.thisSession();
  EXPECT_EQ(own.process, ::GetCurrentProcessId());
  EXPECT_NE(own.started, 0U);
  EXPECT_EQ(platform.thisSession(), own);
  EXPECT_TRUE(platform.sessionRunning(own));
  EXPECT_FALSE(platform.sessionRunning(SessionId{own.process, own.started + 1}));

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring line = L"cmd.exe /c exit";
  ASSERT_TRUE(::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &info));
  FILETIME created{};
  FILETIME unused[3] = {};
  ASSERT_TRUE(::GetProcessTimes(info.hProcess, &created, &unused[0], &unused[1], &unused[2]));
  const SessionId child{
      info.dwProcessId,
      (static_cast<std::uint64_t>(created.dwHighDateTime) << 32U) | created.dwLowDateTime};
  ASSERT_EQ(::WaitForSingleObject(info.hProcess, 20000), WAIT_OBJECT_0);
  EXPECT_FALSE(platform.sessionRunning(child)) << "ended, though a handle to it is still open";
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  EXPECT_FALSE(platform.sessionRunning(child));
}

TEST_F(ProcessServicesTest, TheCopiesLockIsHeldUntilItIsGivenBack) {
  auto first = platform.lockCopies();
  ASSERT_NE(first, nullptr);
  // Another thread stands for another Tamrill: it gets the lock only once it is given back.
  bool gotWhileHeld = true;
  HANDLE released = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread other([&] {
    gotWhileHeld = ::WaitForSingleObject(released, 0) == WAIT_TIMEOUT &&
                   platform.lockCopies() != nullptr &&
                   ::WaitForSingleObject(released, 0) == WAIT_TIMEOUT;
  });
  ::Sleep(300);
  ::SetEvent(released);
  first.reset();
  other.join();
  ::CloseHandle(released);
  EXPECT_FALSE(gotWhileHeld);
}

}  // namespace
}  // namespace tamrill::test
