#pragma once

namespace tamrill {

class Application;

// Accepts the source whose path and name the caller has stored in sourcePath and
// sourceFileName: checks the name's length, derives the HEX and listing paths, updates the main
// window and reports an existing listing. False when a failed listing scan stopped it; what it
// did up to then stays.
[[nodiscard]] bool loadSource(Application& app);

}  // namespace tamrill
