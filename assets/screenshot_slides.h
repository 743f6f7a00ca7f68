#pragma once

// What each of the 26 screenshots of the slide show shows: which state the
// study queue is in, which page of the parameter panel is open, what the
// graphics area holds and what the command line and status bar read.

#include "slide_table.h"

namespace orvane {

// The left column: experiment selector over the study queue.
enum class Queue {
    kWelcome,   // program just started, no study yet
    kNewStudy,  // a study without experiments
    kPending,   // Proton_001 queued, not submitted
    kSelected,  // Proton_001 picked in the queue
    kLocking,   // submitted: the automatic steps run in turn
    kShimming,
    kAcquiring,
    kDone,
};

// The page of the parameter panel under the graphics area.
enum class Page { kStandard, kLock, kShim, kAcquire, kProcess, kReference };

// The graphics area.
enum class View {
    kBlank,
    kFindingZ0,   // lock search, with its banner
    kProfile,     // gradient-shim field profile with the cursor
    kFidRunning,  // FID while transients come in
    kFid,
    kIntegrals,  // spectrum with integrals
    kSpectrum,
    kPoorSpectrum,  // broad, misshapen lines
    kLockWavy,      // lock scan, field far off
    kLockLow,       // lock scan, flat but weak plateau
    kLockHigh,      // lock scan, phased plateau
    kNoisySpectrum,
    kSidebands,    // expansion around a large peak with two cursors
    kReferencing,  // cursor on the TMS line
};

struct Slide {
    Queue queue;
    Page page;
    View view;
    const char* command;      // text in the command line
    const char* acquisition;  // status bar: acquisition counter
    const char* message;      // status bar: message box
    bool sample_named;        // "test" typed as the sample name
    bool solvent_chosen;      // CDCl3 ticked
    bool lock_on;             // lock check box on the lock page
};

const Slide& SlideAt(int index);

}  // namespace orvane
