#include "slide_table.h"

namespace {

// Slide i shows screenshot i and tells the student what to click on it.
constexpr SlideTable kSlides = {{
    {2805, 8820,
     "Here are the steps you should do to collect and process data on the Vastrel NMR.\r\r"
     "Immediately after starting Orvane from the desktop,\r\r"
     "      click New Study"},
    {2055, 2085,
     "Then click on the experiment you want.\r\r"
     "Click Proton"},
    {8325, 7620,
     "Eject will pressurize sample tube at top of magnet.\r"
     "Put your sample in spinner and then in magnet.\r"
     "Then Inject.\r\r"
     "Type in a name for your experiment.\r\r"
     "Click test in Sample name box."},
    {8790, 8205,
     "Select the deuterated solvent you are using.\r"
     "(This does not load shims)\r\r"
     "Click CDCl3"},
    {1725, 6810,
     "Single click experiment (Proton_001) in Study Queue.\r\r"
     "(Note NMR software wants a double click. Don't do that here.)"},
    {2685, 8970,
     "Click Submit to start experiment.\r\r"
     "The next 4 slides describe what the software does automatically."},
    {14925, 4800,
     "Program automatically tries to find Z0.\r\r"
     "Recall\r"
     "Z0 increases/decreases the magnetic field slightly.\r"
     "If Z0 is too far off, it may not find it.\r"
     "We will deal with that problem later if needed.\r\r"
     "Click bottom of Z in Finding Z0"},
    {13560, 3345,
     "The program is now doing gradient shimming.\r"
     "Data is collected at various points along Z axis and the profile of magnetic field versus "
     "Z is shown.\r"
     "This data is used to determine the best Z1, Z2, Z3, Z4 shims.\r\r"
     "Click small black cursor arrow on profile curve."},
    {5745, 9930,
     "Now it is doing the experiment.\r"
     "Experiment progress is shown at bottom of screen.\r"
     "5 out of 8 transients have been collected so far.\r\r"
     "Click status box FID:1 CT5"},
    {12270, 9915,
     "Done collecting FID. The next 2 slides are about processing your data.\r"
     "Message at bottom of screen indicates status.\r"
     "The automated experiment is done.\r\r"
     "Click infobox: procpar is updated."},
    {9375, 6630,
     "We now need to Fourier Transform the FID data into a spectrum.\r\r"
     "Click Auto Process."},
    {18420, 3225,
     "The default is to show integrals.\r\r"
     "Click arrow on small integration icon on right.\r\r"
     "(Note Orvane software may require two clicks. Don't do that here.)"},
    {6375, 1905,
     "Let's determine the peak width\r"
     "to see if the spectrum is acceptable.\r"
     "Typical spectra have a peak width < 1Hz.\r\r"
     "dres is entered on the command line at top. Click it."},
    {9510, 6630,
     "Slide 13. Say you are unlucky and something was wrong.\r\r"
     "The remaining slides describe things you can try to fix it.\r\r"
     "First make sure Lock on left in blue is highlighed.\r\r"
     "Click Lock Scan to display deuterium lock signal."},
    {6930, 7350,
     "Turn off autolock by removing check in Lock box.\r\r"
     "A wavy line or a flat line means Z0 is off.\r\r"
     "That means the B field is too high or low.\r"
     "Click lock check box."},
    {8925, 7365,
     "Adjust Z0 with right or left clicking until you get a flat plateau.\r\r"
     "It's ok for now if it is not a maximum or even if it is negative.\r"
     "We'll fix that later by adjusting Lock Phase.\r\r"
     "Click Z0"},
    {8910, 8220,
     "Turn autolock back on by putting the lock check back.\r\r"
     "Now adjust Lock Phase with the left and right mouse buttons on Phase\r"
     "so that the plateau is maximized.\r\r"
     "Click Phase"},
    {11760, 8475,
     "The shims Z1,Z2,Z3,Z4 may be off.\r"
     "You could manually shim Z's, load the default shim file, or gradient shim.\r"
     "Manual approach: Adjust Z1, Z2 to maximize lock level shown on dial.\r\r"
     "Click Read Default Shims"},
    {13410, 6630,
     "Significant shim changes can change Z0 and LockPhase.\r"
     "You might want to go slide 14 and readjust.\r"
     "At any time after changes, you could also gradient shim.\r\r"
     "Click Gradient Shim"},
    {9150, 8190,
     "Some samples are just noisy, or being pulsed too quickly.\r"
     "Try increasing number of scans, or relaxation delay.\r"
     "A 45 degree pulse might not pick up as much noise.\r"
     "A 90 degree pulse will have a stronger signal.\r\r"
     "Click 1 in Relaxation Delay Box."},
    {12480, 7440,
     "The previous user might have used a fixed gain.\r\r"
     "Click autogain check box.\r\r"
     "The next experiment you do will do a preliminary scan on your sample and set the perfect "
     "gain for your sample."},
    {6270, 1905,
     "You could repeat the experiment by repeating what is in Screens 1-12\r\r"
     "OR Type in ga and Enter in the top box.\r"
     "  ga   runs the experiment with the parameters you just set.\r\r"
     "Click ga on the command line."},
    {9405, 6645,
     "Once the data is collected,\r\r"
     "Click AutoProcess just like before."},
    {6435, 1920,
     "You can always check your data's FID.\r\r"
     "Just type in df and Enter.\r\r"
     "A good FID will exponentially decay for a long time.\r"
     "If it decays too quickly or is chopped off, check out acquisition time and autogain.\r\r"
     "Click df on command line."},
    {9000, 6270,
     "On the Vastrel, your sample should be spinning at 20 Hz. This averages out the "
     "inhomogeneities in the X and Y directions. Unfortunately big peaks will have spinning "
     "side bands located 20 Hertz from their center. These are not real.\r\r"
     "You might also check your spectrum's signal to noise by typing in dsn.\r\r"
     "Click spinning side band delta 19.32"},
    {11070, 7305,
     "When you adjust Z0, it can move your entire spectrum left or right.\r\r"
     "Reference peaks like TMS and solvent peaks can be used to adjust the spectrum.\r"
     "Put a cursor on the reference peak and click the appropriate button to reference your "
     "spectrum.\r\r"
     "Click By TMS in the Reference section."},
}};

}  // namespace

const SlideTable& Slides() {
    return kSlides;
}
