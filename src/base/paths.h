#pragma once
// How the program cuts its paths. Lengths are counted in characters and the backslash is the
// only folder separator looked for.

#include "base/text.h"

namespace tamrill {

inline constexpr char16_t kAssemblerFileName[] = u"asm51.exe";
inline constexpr char16_t kMod51FileName[] = u"mod51";
inline constexpr char16_t kMod52FileName[] = u"mod52";

// The part after the last backslash; the whole path when it has none.
Text fileNameOf(TextView path);
// path less its last (length of fileName) characters: the folder with its trailing backslash
// when path ends in fileName.
Text folderOf(TextView path, TextView fileName);
// path with its last three characters, whatever they are, replaced by extension.
Text replaceLast3(TextView path, TextView extension);
// The file name less a four-character extension such as ".asm".
Text baseNameOf(TextView fileName);

// path made absolute against folder (an absolute path itself), as Windows would take it in
// that current folder: "blink.asm", "..\x.asm", "\x.asm" and "D:x.asm" (the root of another
// drive, whose own current folder the program cannot know). "." and ".." are resolved, never
// above the root. Absolute and network paths are returned as they are.
Text absolutePath(TextView path, TextView folder);

}  // namespace tamrill
