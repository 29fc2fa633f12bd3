#include "sections/section_design.h"

namespace arvok {

namespace {

// Combos and text boxes stand in two columns of label and control, check boxes in three columns.
constexpr int kRow0 = 360, kRowStep = 285;
constexpr int kLabel1 = 60, kControl1 = 840, kWidth1 = 1080;
constexpr int kControl2 = 2730, kWidth2 = 1065;
constexpr int kCheckTop = 2340, kCheckStep = 190, kCheckWidth = 1230, kCheckRows = 8;
constexpr int Row(int n) {
    return kRow0 + n * kRowStep;
}

SettingControl Left(int row, const char* name, const char* caption, const char* labelName,
                    const char* labelTip, const char* tip = "") {
    return {name, caption, labelName, tip, labelTip, kControl1, Row(row), kWidth1};
}
SettingControl Right(int row, const char* name, const char* caption, const char* labelName,
                     const char* labelTip) {
    return {name, caption, labelName, "", labelTip, kControl2, Row(row), kWidth2};
}
SettingControl Check(int n, const char* name, const char* caption, const char* tip) {
    return {name,
            caption,
            "",
            tip,
            "",
            kLabel1 + (n / kCheckRows) * (kCheckWidth + 30),
            kCheckTop + (n % kCheckRows) * kCheckStep,
            kCheckWidth};
}

const char* const kSkipTip = " Use these two parameters to set the initial screen position. You "
                             "can specify negative offsets.";

std::vector<SettingControl> MameSettings() {
    return {
        Left(0, "cboMameScreenRes", "Screen Settings", "Label",
             " Choose the Screen Resolution (X-Y) "),
        {"cboMameMonitor", "", "", " Selects the monitor type ", "", kLabel1, Row(1),
         kControl1 + kWidth1 - kLabel1},
        Left(2, "cboMameVesaMode", "Vesa Mode", "Label5",
             " Use double to force pixel doubling when the image doesn't fit in the screen "
             "(slower)",
             " In conjunction with Vesa, selects the VESA modes to try "),
        Left(3, "cboMameFrames", "FrameSkip", "Label", " Skip frames to speed up the emulation "),
        Left(4, "cboMameControls", "Controls", "Label", " Allows joystick input "),
        Left(5, "cboMameSoundCard", "Soundcard", "Label", " Select SoundCard "),
        Left(6, "cboMameSampleRate", "SampleRate", "Label",
             " Set the audio sample rate. 11025khz will cause lower audio quality but faster "
             "emulation speed "),
        Right(0, "cboMameGamma", "Gamma", "Label2", " Set the initial gamma correction value "),
        Right(1, "cboMameVgaFreq", "VGA Freq.", "Label31",
              " Use different frequencies for the custom video modes. WARNING! Read "
              "readme.txt!"),
        Right(2, "cboMameFlicker", "Flicker", "Label7", " Make the vectors flicker "),
        Right(3, "cboMameBeam", "Beam", "Label6", " Sets the width in pixels of the vectors "),
        Right(4, "txtMameSkipR", "Skip Row", "Label33", kSkipTip),
        Right(5, "txtMameSkipC", "Skip Col.", "Label32", kSkipTip),
        Check(0, "chkMameTripleBuffer", "Triple Buffer",
              " Enables triple buffering with VESA modes. This is faster than -vsync, but doesn't "
              "work on all cards and  it might not be as smooth as VSync "),
        Check(1, "chkMameNoStretch", "No Stretch",
              " Use NoStretch to disable pixel doubling in VESA modes (faster,but smaller "
              "picture) "),
        Check(2, "chkMameTweaked", "Tweaked",
              " This look MUCH better than VESA modes (and usually faster), but may have "
              "compatibility problems with some video cards and monitors "),
        Check(3, "chkMameNoRot", "No Rotation",
              " This is supposed to disable all internal rotations of the image therefore "
              "displaying the video output as it is supposed to be "),
        Check(4, "chkMameFlipV", "Flip Vertical", " Flip display vertically "),
        Check(5, "chkMameFlipH", "Flip Horizon.", " Flip display horizontally "),
        Check(6, "chkMameL90", "Rotate -90", " Rotate display anticlockwise "),
        Check(7, "chkMameR90", "Rotate +90", " Rotate the display clockwise by 90 degrees "),
        Check(8, "chkMameAlwaysSync", "Always Synced",
              " Use this option with VSync if you have frequencies problems "),
        Check(9, "chkMameRecord", "Record",
              " Record joystick input. The format is: romname_TIME_DATE.inp"),
        Check(10, "chkMameNoTrans", "No Transluc.", " Enables vector translucency "),
        Check(11, "chkMameWaitInterlace", "Wait Interlace",
              " Forces update of both odd and even fields of an interlaced low scanrate display "
              "(monitor=ntsc,pal,arcade) for each game loop "),
        Check(12, "chkMameYm3812", "No Ym3812",
              " Disable the SoundBlaster OPL chip for music emulation of the YM3812 chip "),
        Check(13, "chkMameStereo", "No Stereo", " Disable stereo output for games supporting it "),
        Check(14, "chkMame16Bit", "16 Bits",
              " Set the audio sample to 16 bits. Better audio quality but less speed."),
        Check(15, "chkMameScanlines", "No ScanLines",
              " If the default mode doesn't work with your monitor/video card use this or Vesa "),
        Check(16, "chkMameVsync", "Enable V-Sync",
              " Synchronize video display with the video beam instead of using the timer "
              "(slower) "),
        Check(17, "chkMameAntiA", "Anti Aliasing", " Antialiasing for the Vector Games "),
        Check(18, "chkMameNTSC", "NTSC Mode",
              " 288x224 mode with standard NTSC frequencies. You need some additional hardware "),
        Check(19, "chkMameDepth", "Depth 8-Bit",
              " To improve speed you can use this option which limits to the standard 256 color "
              "modes (for 65k games) "),
        Check(20, "chkMameCheat", "Enable Cheat",
              " Cheats like the speedup in Pac Man or the level skip in many other games are "
              "disabled by default. Use this switch to turn them On "),
        Check(21, "chkMamePlayback", "Playback", " Playback joystick input from file \"*.inp\" "),
    };
}

const char* const kShiftSnapTip = "Press \"S\" during the game to grab your snap!";

// The names every section but MAME builds from its own name.
SectionDesign Named(const char* pageButtons, const char* sizeButtons, const char* favCount) {
    SectionDesign d;
    d.pageButtonPrefix = pageButtons;
    d.sizeButtonPrefix = sizeButtons;
    d.favCountName = favCount;
    return d;
}

std::array<SectionDesign, 5> MakeDesigns() {
    SectionDesign mame = Named("imgBut", "cmd", "lblMameFavCount");
    mame.favHeadingName = "lblMameFavorties";
    mame.snapTip = "Press F12 during the game to grab your snap!";
    mame.shiftResetsFilters = true;
    mame.romDirFallback = true;
    mame.hasAltRomPath = true;
    mame.genreUpLeft = 1690;
    mame.filterLeft = {120, 1710, 3000, 4950};
    mame.filterWidth = {1515, 1215, 1875, 765};
    mame.settings = MameSettings();

    SectionDesign callus = Named("imgCallusBut", "cmdCallus", "lblCallusFavCount");
    callus.snapTip = "Press F9 during the game to grab your snap!";
    callus.total = TotalFallback::Empty;

    SectionDesign raine = Named("imgRaineBut", "cmdRaine", "lblRaineFavCount");
    raine.snapTip = "Press 0 during the game to grab your snap!";
    raine.romListColumns = 3;

    SectionDesign system16 = Named("imgSystem16But", "cmdSystem16", "lblSystem16FavCount");
    system16.snapTip = kShiftSnapTip;
    system16.romListTop = 4770;
    system16.romListHeight = 2340;
    system16.helpPage = MakeHelpPage<System16HelpPage>;

    SectionDesign m72 = Named("imgM72But", "cmdM72", "lblM72FavCountFix");
    m72.favHeading = " All Supported:";
    m72.snapTip = kShiftSnapTip;
    m72.hasLargeSize = false;
    m72.hasFavLayout = false;
    m72.editableFavourites = false;
    m72.prefMenuWhenEmpty = true;
    m72.helpPage = MakeHelpPage<M72HelpPage>;
    m72.enableRules = {{"chkM72VertDisplay", "cboM72VR"}};
    m72.total = TotalFallback::NoTotal;
    m72.designFavourites = {"Battle Chopper", "Dragon Breed", "Gallop - Armed Police Unit",
                            "Hammerin'Harry", "Image Fight",  "Legend of Hero Tonma",
                            "Mr.Heli (JP)",   "Ninja Spirit", "R-Type (JP)",
                            "R-Type (US)",    "R-Type 2",     "X-Multiply"};

    return {mame, callus, raine, system16, m72};
}

} // namespace

const SectionDesign& Design(Emu emu) {
    static const std::array<SectionDesign, 5> designs = MakeDesigns();
    return designs[Index(emu)];
}

} // namespace arvok
