#pragma once
// "Přeložit": runs the assembler on the opened source. A source in the program's folder is
// assembled there; one elsewhere gets the tools copied beside it for the run, and the timed
// clean-up removes those copies again.

#include <cstdint>

#include "platform/platform.h"
#include "state/program_state.h"

namespace tamrill {

// How far an assembly got. Every message up to that point has been shown; what is left for the
// caller is the main window and, for a listing, the report.
enum class AssemblyOutcome : std::uint8_t {
  Refused,        // not run; the user was told why, and nothing else changes
  NoAssembler,    // the assembler has gone from the program's folder (told)
  SourceMissing,  // the source has gone (told)
  RunFailed,      // the assembler could not be started (told)
  StaleListing,   // it ran but did not write a new listing: see staleListingText
  Ran,            // it ran; the listing, or its absence, is to be reported
};

struct AssemblyRun {
  AssemblyOutcome outcome = AssemblyOutcome::Refused;
  // The run left a HEX file that it wrote itself. A listing that counts no errors is a success
  // only then: an old HEX file (held open by a programmer, read-only, a full disk) is not this
  // run's result.
  bool newHex = false;
};

AssemblyRun assembleSource(Platform& platform, ProgramState& state);

// The warning for StaleListing: the result of the run cannot be known.
Text staleListingText(const ProgramState& state);
// The warning for a listing without errors beside a HEX file the run did not write.
Text staleHexText(const ProgramState& state);

// Whether the outcome is a run: the result buttons then stand for its files.
inline bool ranAssembler(AssemblyOutcome outcome) {
  return outcome == AssemblyOutcome::RunFailed || outcome == AssemblyOutcome::StaleListing ||
         outcome == AssemblyOutcome::Ran;
}

}  // namespace tamrill
