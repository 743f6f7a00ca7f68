#include "screenshot_slides.h"

#include <array>

namespace orvane {

namespace {

using enum Queue;
using enum Page;
using enum View;

// One row per screenshot, in the order of the slide show.
// clang-format off
constexpr std::array<Slide, kSlideCount> kSlides{{
    // queue     page        view            command  acquisition  message                    named  solvent lock
    {kWelcome,   kStandard,  kBlank,         "",      "",          "Welcome to Orvane",       false, false,  true},
    {kNewStudy,  kStandard,  kBlank,         "",      "",          "New study created",       false, false,  true},
    {kPending,   kStandard,  kBlank,         "",      "",          "Proton_001 added",        true,  false,  true},
    {kPending,   kStandard,  kBlank,         "",      "",          "Sample name: test",       true,  false,  true},
    {kPending,   kStandard,  kBlank,         "",      "",          "Solvent: CDCl3",          true,  true,   true},
    {kSelected,  kStandard,  kBlank,         "",      "",          "Ready to submit",         true,  true,   true},
    {kLocking,   kStandard,  kFindingZ0,     "",      "",          "Lock: searching",         true,  true,   true},
    {kShimming,  kStandard,  kProfile,       "",      "",          "Gradient shim: pass 2",   true,  true,   true},
    {kAcquiring, kStandard,  kFidRunning,    "",      "FID:1 CT5", "Acquiring Proton_001",    true,  true,   true},
    {kDone,      kStandard,  kFid,           "",      "FID:1 CT8", "procpar is updated",      true,  true,   true},
    {kDone,      kProcess,   kFid,           "",      "FID:1 CT8", "Acquisition complete",    true,  true,   true},
    {kDone,      kProcess,   kIntegrals,     "",      "FID:1 CT8", "Auto process done",       true,  true,   true},
    {kDone,      kProcess,   kSpectrum,      "dres",  "FID:1 CT8", "Integrals hidden",        true,  true,   true},
    {kDone,      kLock,      kPoorSpectrum,  "",      "FID:1 CT8", "Linewidth 3.8 Hz",        true,  true,   true},
    {kDone,      kLock,      kLockWavy,      "",      "",          "Lock scan running",       true,  true,   true},
    {kDone,      kLock,      kLockWavy,      "",      "",          "Autolock off",            true,  true,   false},
    {kDone,      kLock,      kLockLow,       "",      "",          "Autolock on",             true,  true,   true},
    {kDone,      kShim,      kLockHigh,      "",      "",          "Lock level 64",           true,  true,   true},
    {kDone,      kShim,      kSpectrum,      "",      "",          "Shims: default loaded",   true,  true,   true},
    {kDone,      kAcquire,   kNoisySpectrum, "",      "FID:1 CT8", "Ready",                   true,  true,   true},
    {kDone,      kAcquire,   kNoisySpectrum, "",      "FID:1 CT8", "Gain fixed at 10",        true,  true,   true},
    {kDone,      kAcquire,   kSpectrum,      "ga",    "FID:1 CT8", "Autogain on",             true,  true,   true},
    {kDone,      kProcess,   kFid,           "",      "FID:1 CT8", "Acquisition complete",    true,  true,   true},
    {kDone,      kProcess,   kFid,           "df",    "FID:1 CT8", "Ready",                   true,  true,   true},
    {kDone,      kProcess,   kSidebands,     "",      "FID:1 CT8", "Two cursors",             true,  true,   true},
    {kDone,      kReference, kReferencing,   "",      "FID:1 CT8", "Cursor on 0.02 ppm",      true,  true,   true},
}};
// clang-format on

}  // namespace

const Slide& SlideAt(int index) {
    return kSlides.at(static_cast<std::size_t>(index));
}

}  // namespace orvane
