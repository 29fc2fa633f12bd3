#include "sections/section_design.h"

#include "catalogue/game_info.h"
#include "sections/m72_help_page.h"

namespace arvok {

namespace {

// Combos and text boxes stand in two columns of label and control: a wide left one for the
// long items, a narrow right one for numbers. Check boxes stand in three columns.
constexpr int kRow0 = 360, kRowStep = 285;
constexpr int kLabel1 = 60, kLabelWidth1 = 945, kControl1 = 1035, kWidth1 = 1470;
constexpr int kLabel2 = 2535, kLabelWidth2 = 600, kControl2 = 3150, kWidth2 = 645;
constexpr int kCheckTop = 2340, kCheckStep = 190, kCheckWidth = 1230, kCheckRows = 8;
constexpr int Row(int n) {
    return kRow0 + n * kRowStep;
}

SettingControl Left(int row, const char* name, const char* caption, const char* labelName,
                    const char* labelTip, const char* tip = "") {
    return {name,      caption,  labelName, tip,     labelTip,
            kControl1, Row(row), kWidth1,   kLabel1, kLabelWidth1};
}
SettingControl Right(int row, const char* name, const char* caption, const char* labelName,
                     const char* labelTip) {
    return {name,      caption,  labelName, "",      labelTip,
            kControl2, Row(row), kWidth2,   kLabel2, kLabelWidth2};
}
SettingControl Check(int n, const char* name, const char* caption, const char* tip) {
    return {name,
            caption,
            "",
            tip,
            "",
            kLabel1 + (n / kCheckRows) * (kCheckWidth + 30),
            kCheckTop + (n % kCheckRows) * kCheckStep,
            kCheckWidth,
            0,
            0};
}

const char* const kSkipTip = " Use these two parameters to set the initial screen position. You "
                             "can specify negative offsets.";

std::vector<SettingControl> MameSettings() {
    return {
        Left(0, "cboMameScreenRes", "Screen Settings", "Label",
             " Choose the Screen Resolution (X-Y) "),
        {"cboMameMonitor", "", "", " Selects the monitor type ", "", kLabel1, Row(1),
         kControl1 + kWidth1 - kLabel1, 0, 0},
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

// Callus: every combo on a row of its own with its label, then the check boxes three to a row.
constexpr int kLineLabelWidth = 1230, kLineControl = 1320, kLineWidth = 2475;
constexpr int kGridCheckTop = 2700, kGridCheckStep = 210, kGridCheckWidth = 1245;

SettingControl Line(int row, const char* name, const char* caption, const char* labelName,
                    const char* tip) {
    return {name,         caption,  labelName,  tip,     "",
            kLineControl, Row(row), kLineWidth, kLabel1, kLineLabelWidth};
}
SettingControl GridCheck(int top, int n, const char* name, const char* caption, const char* tip) {
    return {name,
            caption,
            "",
            tip,
            "",
            kLabel1 + (n % 3) * (kGridCheckWidth + 15),
            top + (n / 3) * kGridCheckStep,
            kGridCheckWidth,
            0,
            0};
}

std::vector<SettingControl> CallusSettings() {
    return {
        Line(0, "cboCallusHR", "Horizontal Res.", "Label64",
             " Sets the resolution for horizontal games "),
        Line(1, "cboCallusVR", "Vertical Res.", "Label61",
             " Sets the resolution for vertical games "),
        Line(2, "cboCallusFrameSkip", "Frames:", "Label32",
             " Sets frameskip (1-8 or \"AUTO\" for autoskipping) "),
        Line(3, "cboCallusSampleRate", "SampleRate:", "Label31", " Sets sound sampling rate "),
        Line(4, "cboCallusDevice1", "Device N.1", "Label60", " Sets input device 1 "),
        Line(5, "cboCallusDevice2", "Device N.2", "Label33", " Sets input device 2 "),
        Line(6, "cboCallusDevice3", "Device N.3", "Label65", " Sets input device 3 "),
        Line(7, "cboCallusDevice4", "Device N.4", "Label6", " Sets input device 4 "),
        GridCheck(kGridCheckTop, 0, "chkCallusVSync", "V-Sync",
                  " Wait for the vertical sync to draw frames "),
        GridCheck(kGridCheckTop, 1, "chkCallusStereo", "Stereo", " Sets stereo for QSound games "),
        GridCheck(kGridCheckTop, 2, "chkCallusAltStart", "Alt.Key",
                  " Alternate player start/coin input "),
        GridCheck(kGridCheckTop, 3, "chkCallusMultiTask", "Exclusive",
                  " This switch will disable windows multitasking "),
        GridCheck(kGridCheckTop, 4, "chkCallusFPU", "Fpu Copy",
                  " Uses the FPU to do pageflips, only faster on Intel Pentium processors "),
        GridCheck(kGridCheckTop, 5, "chkCallusHiColor", "Hi-Color",
                  " Use 16-bit hicolor mode in DOS. The GUI is not available in hicolor modes in "
                  "DOS "),
        GridCheck(kGridCheckTop, 6, "chkCallusNoVesa", "No Vesa", " Don't use VESA extensions "),
        GridCheck(kGridCheckTop, 7, "chkCallusLinear", "Linear", " Force linear VESA mode "),
        GridCheck(kGridCheckTop, 8, "chkCallusBanked", "Banked", " Force banked VESA mode "),
        GridCheck(kGridCheckTop, 9, "chkCallus2To3", "2To3",
                  "If set in the SF2 games, pressing just 2 punch or kick buttons will cause all 3 "
                  "to be pressed, making special moves somewhat easier "),
        GridCheck(kGridCheckTop, 10, "chkCallusNoSound", "No sound",
                  " Disable sound and Z80 totally for slow computers "),
    };
}

std::vector<SettingControl> RaineSettings() {
    constexpr int kChecks = 1305;
    return {
        Line(0, "cboRaineJoystick", "Joystick", "Label31",
             " Choose joystick type (see list in raine.cfg) "),
        Line(1, "cboRaineScreenRes", "Screen Resolution", "Label61", " Choose screen width "),
        Line(2, "cboRaineScreenMode", "Screen Mode", "Label64",
             " Choose screen type (see list in raine.cfg) "),
        {"chkRaineEnableGUI", "Enable GUI", "", " Enable GUI ;)", "", kLabel1, kChecks, 1800, 0, 0},
        {"chkRaineLimitSpeed", "Limit to 60 fps", "", " Limit Emulation speed (to 60fps) ", "",
         1920, kChecks, 1875, 0, 0},
    };
}

std::vector<InfoRow> MameInfoRows() {
    return {
        {" General Info:", nullptr, {}},
        {nullptr, nullptr, {{"Name:", kInfoName}}},
        {nullptr, nullptr, {{"Made by:", kInfoMadeBy}, {"Year:", kInfoYear}}},
        {nullptr, nullptr, {{"Genre:", kInfoGenre}}},
        {" Emulation Info:", " Emulation Accuracy:", {}},
        {nullptr, nullptr, {{"Rom File:", kInfoRomFile}, {"Playable:", kInfoPlayable}}},
        {nullptr, nullptr, {{"Samples:", kInfoSamples}, {"Colors:", kInfoColors}}},
        {nullptr, nullptr, {{"Driver:", kInfoDriver}, {"Sound:", kInfoSound}}},
        {nullptr, nullptr, {{"Original:", kInfoOC}, {"Hi-Score:", kInfoHiScore}}},
        {nullptr, nullptr, {{"Clone:", kInfoCloneOf}, {"Cocktail:", kInfoCocktail}}},
        {" CPU Emulation", " Sound Emulation", {}},
        {nullptr, nullptr, {{"Cpu 1:", kInfoCpu1}, {"Sound 1:", kInfoSound1}}},
        {nullptr, nullptr, {{"Cpu 2:", kInfoCpu2}, {"Sound 2:", kInfoSound2}}},
        {nullptr, nullptr, {{"Cpu 3:", kInfoCpu3}, {"Sound 3:", kInfoSound3}}},
        {nullptr, nullptr, {{"Cpu 4:", kInfoCpu4}, {"Sound 4:", kInfoSound4}}},
    };
}

// The four groups of the other sections' information pages; "driver" captions the driver row.
std::vector<InfoRow> GroupedInfoRows(const char* driver) {
    return {
        {" General Info:", nullptr, {}},
        {nullptr, nullptr, {{"Name:", kInfoName}}},
        {nullptr, nullptr, {{"Made by:", kInfoMadeBy}, {"Year:", kInfoYear}}},
        {nullptr, nullptr, {{"Genre:", kInfoGenre}}},
        {" Emulation Info:", nullptr, {}},
        {nullptr, nullptr, {{"Rom File:", kInfoRomFile}, {"Original:", kInfoOC}}},
        {nullptr, nullptr, {{"Samples:", kInfoSamples}, {"Clone:", kInfoCloneOf}}},
        {nullptr, nullptr, {{driver, kInfoDriver}}},
        {" Emulation Accuracy:", nullptr, {}},
        {nullptr, nullptr, {{"Playable:", kInfoPlayable}, {"Colors:", kInfoColors}}},
        {nullptr, nullptr, {{"Save State", kInfoHiScore}, {"Sound:", kInfoSound}}},
        {nullptr, nullptr, {{"Cocktail:", kInfoCocktail}}},
        {" Technical Info:", nullptr, {}},
        {nullptr, nullptr, {{"Cpu 1:", kInfoCpu1}, {"Sound 1:", kInfoSound1}}},
        {nullptr, nullptr, {{"Cpu 2:", kInfoCpu2}, {"Sound 2:", kInfoSound2}}},
        {nullptr, nullptr, {{"Cpu 3:", kInfoCpu3}, {"Sound 3:", kInfoSound3}}},
        {nullptr, nullptr, {{"Cpu 4:", kInfoCpu4}, {"Sound 4:", kInfoSound4}}},
    };
}

// The key tables of the help pages: a row is 180 twips high.
constexpr int kKeyWidth = 540, kActionWidth = 1350;

std::vector<HelpBlock> CallusKeys() {
    return {{"Utilities:",
             1920,
             30,
             kKeyWidth,
             kActionWidth,
             {{"F1/F2", " Player 1/2 start"},
              {"F3/F4", " Coin 1/2"},
              {"F5", " Save state"},
              {"F6", " Decrem. state slot"},
              {"F7", " Load state"},
              {"F8", " Increm. state slot"},
              {"F9", " Save snapshot"},
              {"F10", " Reset emulation"},
              {"F11", " Test mode button"},
              {"F12", " Service mode"},
              {"ESC", " Quit"},
              {"SPACE", " Toggle GUI"},
              {"+ / -", " Adjust frameskip"},
              {"ALT-V", " Toggle V-Sync"},
              {"ALT-M", " Toggle FM music"},
              {"ALT-D", " Toggle Sound FX"},
              {"ALT-P", " Pause emulation"},
              {"ALT-I", " Toggle Pal. intens."},
              {"ALT-Q", " Quit"}}}};
}

std::vector<HelpBlock> RaineKeys() {
    constexpr int kRight = 1965, kPauseTop = 30 + 10 * 180 + 90;
    return {
        {"General in game keys:",
         60,
         30,
         kKeyWidth,
         kActionWidth,
         {{"0", " Save ScreenShot"},
          {"F2", " Save Game State"},
          {"F3", " Switch Save State"},
          {"F4", " Load Game State"},
          {"F11", "FPS Display (5 M.)"},
          {"PGUP", " Incr. FrameSkip"},
          {"PGDN", " Decr. FrameSkip"},
          {"ESC", " Quit emulation"},
          {"P", " Pause game"}}},
        {"Keys in Pause mode:",
         60,
         kPauseTop,
         kKeyWidth,
         kActionWidth,
         {{"P", " Unpause"},
          {"ESC", " Quit emulation"},
          {"UP", " Scroll Up"},
          {"DOWN", " Scroll Down"},
          {"LEFT", " Scroll Left"},
          {"RGHT", " Scroll RIght"}}},
        {"Default Player keys:",
         kRight,
         30,
         kKeyWidth,
         kActionWidth,
         {{"3", " Coin A"},
          {"4", " Coin B"},
          {"T", " Tilt"},
          {"Y", " Service"},
          {"1", " Player 1 Start"},
          {"UP", " Player 1 Up"},
          {"DOWN", " Player 1 Down"},
          {"LEFT", " Player 1 Left"},
          {"RIGHT", " Player 1 Right"},
          {"B-N-M", " Player 1 Buttons"},
          {"2", " Player 2 Start"},
          {"S", " Player 2 Up"},
          {"X", " Player 2 Down"},
          {"Z", " Player 2 Left"},
          {"C", " Player 2 Right"},
          {"Q-W-E", " Player 2 Buttons"}}},
    };
}

const char* const kSystem16PageTip = " Enable the screen synchronisation, this can slow down the "
                                     "game but the scrolling is better ";

// System16: the combos on rows of their own, the check boxes three to a row below them.
std::vector<SettingControl> System16Settings() {
    constexpr int kTop = 2160;
    return {
        Line(0, "cboSystem16HR", "Horizontal Res.", "Label64",
             " Set default resolution for horizontal games "),
        Line(1, "cboSystem16VR", "Vertical Res.", "Label61",
             " Set default resolution for vertical games "),
        Line(2, "cboSystem16FrameSkip", "Frames:", "Label32",
             " Skip frame value, default is 1 (display every possible frames) "),
        Line(3, "cboSystem16SampleRate", "SampleRate:", "Label31",
             " Change the sample rate for the YM2151, the default value is 22050 "),
        Line(4, "cboSystem16Controls", "Controls:", "Label60", " Set joystick device type "),
        Line(5, "cboSystem16Soundcard", "Soundcard:", "Label2", " Choose a sound card "),
        GridCheck(kTop, 0, "chkSystem16Scanlines", "Scanlines", " Enable scanlines "),
        GridCheck(kTop, 1, "chkSystem16Scanlines2", "Double Scanl.", " Enable double scanlines "),
        GridCheck(kTop, 2, "chkSystem16NoTitle", "No-Title", " Bypass the title screen "),
        GridCheck(kTop, 3, "chkSystem16VSync", "V-Sync", kSystem16PageTip),
        GridCheck(kTop, 4, "chkSystem16AnalogJoy", "Analog Joystick",
                  " Enable analog joystick support (for driving games and Space Harrier) "),
        GridCheck(kTop, 5, "chkSystem16RevX", "Reverse X",
                  " Reverse X direction of the analog joystick "),
        GridCheck(kTop, 6, "chkSystem16RevY", "Reverse Y",
                  " Reverse Y direction of the analog joystick. This is useful for Space Harrier "
                  "and Hang On "),
        GridCheck(kTop, 7, "chkSystem16NoJoy", "Disable Joy", " Disable joystick support "),
        GridCheck(kTop, 8, "chkSystem16NoLeds", "No Leds", " Disable keyboard led control "),
        GridCheck(kTop, 9, "chkSystem16ESC", "ESC - Exit", " Uses key ESC to exit the emulator "),
        GridCheck(kTop, 10, "chkSystem16Eagle", "Eagled Graphic", " Enabled the eagled graphics "),
        GridCheck(kTop, 11, "chkSystem16RDTSC", "No RDTSC",
                  " Disable codes using RDTSC instruction "),
        GridCheck(kTop, 12, "chkSystem16Old2151", "Old 2151", " Use the old 2151 emulator "),
    };
}

// System16's help list: each game's name, a line of dashes and its keys.
std::vector<std::string> System16HelpItems() {
    struct GameKeys {
        const char* game;
        std::vector<const char*> keys;
    };
    const std::vector<GameKeys> games{
        {"Shinobi", {"CTRL - Attack", "ALT - Jump", "SPACE - Ninja magic"}},
        {"Altered Beast", {"CTRL - Punch", "ALT - Kick", "SPACE - Jump"}},
        {"Golden Axe", {"CTRL - Magic", "ALT - Attack", "SPACE - Jump"}},
        {"Time Scanner", {"CTRL - Left flipper", "ALT - Right flipper"}},
        {"Quartet II", {"CTRL - Shoot", "ALT - Jump"}},
        {"Space Harrier", {"CTRL - Shoot"}},
        {"Hang-On", {"CTRL - Accelerate", "ALT - Brake"}},
        {"Wrestle War", {"CTRL - Punch", "ALT - Kick", "SPACE - Run"}},
        {"Alien Storm", {"CTRL - Attack", "ALT - Jump", "SPACE - Special"}},
        {"Shadow Dancer", {"CTRL - Attack", "ALT - Jump", "SPACE - Ninja magic"}},
        {"Out Run", {"CTRL - Accelerate", "ALT - Brake", "SPACE - Gear"}},
        {"Tetris", {"CTRL - Rotate"}},
        {"Alien Syndrome", {"CTRL - Shoot"}},
        {"Super Hang-On", {"CTRL - Accelerate", "ALT - Brake", "SPACE - Turbo"}},
        {"Moon Walker", {"CTRL - Attack", "ALT - Dance magic"}},
        {"Fantasy Zone", {"CTRL - Shoot", "ALT - Bomb"}},
        {"Flash Point", {"CTRL - Rotate"}},
        {"Alexkidd", {"CTRL - Jump", "ALT - Punch"}},
        {"Aurail", {"CTRL - Shoot", "ALT - Change weapon"}},
    };
    std::vector<std::string> items;
    for (const GameKeys& game : games) {
        items.emplace_back(game.game);
        items.emplace_back(items.back().size(), '-');
        items.insert(items.end(), game.keys.begin(), game.keys.end());
    }
    return items;
}

// System16's other keys beside the help list.
std::vector<HelpBlock> System16Keys() {
    constexpr int kLeft = 1920, kKey = 450, kAction = 1425, kTop = 60;
    return {
        {"Other keys:",
         kLeft,
         kTop,
         kKey,
         kAction,
         {{"S", "Snapshot"},
          {"P", "Pause"},
          {"ESC", "Quit"},
          {"F11", "Show speed"},
          {"F1", "Help"},
          {"F10", "Sound on/off"},
          {"F9", "Frame skip"},
          {"F6", "Load game"},
          {"F5", "Save game"},
          {"F2", "Test mode"},
          {"END", "Reset"}}},
        {"Utilities:",
         kLeft,
         kTop + 195 + 11 * 180 + 90,
         kKey,
         kAction,
         {{"1", "Player 1 Start"},
          {"2", "Player 2 Start"},
          {"3", "Coin 1"},
          {"4", "Coin 2"},
          {"9", "Volume down"},
          {"0", "Volume up"}}},
    };
}

// M72: the four combos on rows of their own, the check boxes two to a row below them.
std::vector<SettingControl> M72Settings() {
    constexpr int kTop = 1620, kStep = 240, kWidth = 1830;
    auto check = [](int n, const char* name, const char* caption, const char* tip) {
        return SettingControl{
            name,   caption, "", tip, "", kLabel1 + (n % 2) * (kWidth + 45), kTop + (n / 2) * kStep,
            kWidth, 0,       0};
    };
    return {
        Line(0, "cboM72VR", "Vertical Resolution", "Label61",
             " Set display mode for vertical mode "),
        Line(1, "cboM72FrameSkip", "Frames", "Label32", " Skip frame "),
        Line(2, "cboM72SampleRate", "SampleRate", "Label31", " Change sampling rate "),
        Line(3, "cboM72QuickFire", "Quick Fire", "Label2", " Set quick fire button (1-4) "),
        check(0, "chkM72VertDisplay", "Vertical Display", " Enable vertical display "),
        check(1, "chkM72Scanlines", "Enable Scanlines", " Enable scanline display mode "),
        check(2, "chkM72VSync", "Enable V-Sync",
              " Syncronize video output with the vertical retrace signal "),
        check(3, "chkM72Performance", "Show performance",
              " Show performance counter (only works on Pentium series CPU) "),
        check(4, "chkM72PPro", "PPro Optimized", " Use Pentium-pro optimized routines "),
        check(5, "chkM72NoJoy", "Disable Joy", " Disable joystick support "),
    };
}

const char* const kRaineNote =
    "Please, note that in the current version of Raine there are available only the options "
    "showed in this page. Other options can be changed from the \"raine.cfg\" file or throught "
    "the graphic user interface. Choose \"Enable GUI\" to make these changes.";

const char* const kShiftSnapTip = "Press \"S\" during the game to grab your snap!";

// The names every section but MAME builds from its own name.
SectionDesign Named(const char* pageButtons, const char* sizeButtons, const char* favCount) {
    SectionDesign d;
    d.pageButtonPrefix = pageButtons;
    d.sizeButtonPrefix = sizeButtons;
    d.favCountName = favCount;
    return d;
}

ConfDesign Conf(const char* exeCaption, const char* exePath, const char* emuDir,
                const char* romPath, const char* snapPath) {
    ConfDesign c;
    c.exeCaption = exeCaption;
    c.exePath = exePath;
    c.emuDir = emuDir;
    c.romPath = romPath;
    c.snapPath = snapPath;
    return c;
}

// The "Total:" and "Filtered:" captions with their counts right of the year filter.
CountDesign CaptionedCounts(const char* design) {
    CountDesign c;
    c.left = 5910;
    c.captionLeft = 5430;
    c.totalDesign = design;
    c.romCountDesign = design;
    c.totalCaption = "Total:";
    c.romCountCaption = "Filtered:";
    return c;
}

PerSection<SectionDesign> MakeDesigns() {
    SectionDesign mame = Named("imgBut", "cmd", "lblMameFavCount");
    mame.favHeadingName = "lblMameFavorties";
    mame.snapTip = "Press F12 during the game to grab your snap!";
    mame.shiftResetsFilters = true;
    mame.menuResetsFilters = true;
    mame.snapShowRestarts = true;
    mame.romDirFallback = true;
    mame.romPickerOffersParent = true;
    mame.genreUpLeft = 1690;
    mame.filterLeft = {120, 1710, 3000, 4950};
    mame.filterWidth = {1515, 1215, 1875, 765};
    mame.conf = Conf("FULL MAME PATH", "C:\\Emu\\Mame\\Mame.exe", "C:\\Emu\\Mame",
                     "C:\\Emu\\Mame\\Roms", "C:\\Emu\\Snapshot\\Mame");
    mame.conf.romCaption = "ROMS DIRECTORY";
    mame.conf.snapCaption = "SCREENSHOTS DIRECTORY";
    mame.conf.romButtonCaption = "B.DEF";
    mame.conf.scanFrameCaption = "Roms are";
    mame.settings = MameSettings();
    mame.gatedCombo = "cboMameScreenRes";
    mame.infoRows = MameInfoRows();

    SectionDesign callus = Named("imgCallusBut", "cmdCallus", "lblCallusFavCount");
    callus.snapTip = "Press F9 during the game to grab your snap!";
    callus.total = TotalFallback::Empty;
    callus.favShare = FavShare::OnMouseMove;
    callus.counts = CaptionedCounts("110");
    callus.conf = Conf("Full Callus-DOS Path", "C:\\Emu\\Callus\\Callus.exe",
                       "D:\\Emu\\Arcade\\CallusD", "C:\\Emu\\Callus", "C:\\Emu\\Callus\\Snapshot");
    callus.conf.exeCaptionName = "lblCallusPath";
    callus.settings = CallusSettings();
    callus.applyAllTip = " Apply current settings to All ";
    callus.infoRows = GroupedInfoRows("Driver:");
    callus.helpList = {60, 255, 1800, 3570};
    callus.helpBlocks = CallusKeys();

    SectionDesign raine = Named("imgRaineBut", "cmdRaine", "lblRaineFavCount");
    raine.snapTip = "Press 0 during the game to grab your snap!";
    raine.romListColumns = 3;
    raine.favShare = FavShare::OnClick;
    raine.counts = CaptionedCounts("107");
    raine.conf = Conf("Full Raine Path", "C:\\Emu\\Raine\\Raine.exe", "D:\\Emu\\Arcade\\Raine",
                      "C:\\Emu\\Raine\\ZipRoms", "C:\\Emu\\Raine\\Snapshot");
    raine.settings = RaineSettings();
    raine.settingsLabels = {{"Label6", kRaineNote, kLabel1, 1620, 3735, 1500}};
    raine.infoRows = GroupedInfoRows("System:");
    raine.helpBlocks = RaineKeys();

    SectionDesign system16 = Named("imgSystem16But", "cmdSystem16", "lblSystem16FavCount");
    system16.snapTip = kShiftSnapTip;
    system16.romListTop = 4770;
    system16.romListHeight = 2340;
    system16.conf = Conf("Full System16-DOS Path", "C:\\Emu\\System16\\System16.exe",
                         "D:\\Emu\\Arcade\\System16", "C:\\Emu\\System16\\Ziproms",
                         "C:\\Emu\\System16\\Snapshot");
    system16.infoRows = GroupedInfoRows("Driver:");
    system16.favShare = FavShare::OnClick;
    system16.showsGameInHand = false;
    system16.counts.totalDesign = "1107";
    system16.counts.totalCaption = "Total:";
    system16.counts.totalTop = 4620;
    system16.settings = System16Settings();
    system16.settingsPageTip = kSystem16PageTip;
    system16.helpListHeading = nullptr;
    system16.helpList = {60, 60, 1800, 3765};
    system16.helpListItems = System16HelpItems();
    system16.helpBlocks = System16Keys();

    SectionDesign m72 = Named("imgM72But", "cmdM72", "lblM72FavCountFix");
    m72.favHeading = " All Supported:";
    m72.snapTip = kShiftSnapTip;
    m72.hasLargeSize = false;
    m72.hasFavLayout = false;
    m72.showsGameInHand = false;
    m72.total = TotalFallback::NoTotal;
    m72.designFavourites = {"Battle Chopper", "Dragon Breed", "Gallop - Armed Police Unit",
                            "Hammerin'Harry", "Image Fight",  "Legend of Hero Tonma",
                            "Mr.Heli (JP)",   "Ninja Spirit", "R-Type (JP)",
                            "R-Type (US)",    "R-Type 2",     "X-Multiply"};
    m72.conf = Conf("Full M-72 Path", "C:\\Emu\\M72\\M72.exe", "D:\\Emu\\Arcade\\M72",
                    "C:\\Emu\\M72\\Ziproms", "C:\\Emu\\Snapshot\\M72");
    m72.infoRows = GroupedInfoRows("Driver:");
    m72.prefMenuWhenEmpty = true;
    m72.romPickerFallback = "ziproms";
    m72.settings = M72Settings();
    m72.enableRules = {{"chkM72VertDisplay", "cboM72VR"}};
    m72.gatedCombo = "cboM72VR";
    m72.buildHelpPage = BuildM72HelpPage;

    return {mame, callus, raine, system16, m72};
}

} // namespace

const SectionDesign& Design(Emu emu) {
    static const PerSection<SectionDesign> designs = MakeDesigns();
    return designs[Index(emu)];
}

} // namespace arvok
