// Where a game's pictures lie. Snapshots are named after the game's ROM set in the section's
// snapshot directory: "<set><ext>" is the still, "<set>NN<ext>" picture NN of a slide show
// (NN = "00" to "99"). An animation lies in DirInst/Anim/<set>/: the marker "<set>.gif" says
// the game has one, its frames are "<set>NN.gif". Every name is looked up without regard to
// letter case, through the listings of the folders that the caller keeps.
#pragma once

#include <string>

#include "platform/folder_listing.h"

// The slide-show delay of each item of the delay combo, SlideDelayMs(), is kept with the
// settings file that stores the item's index.
#include "settings/emulator_cfg.h"

namespace arvok {

// The snapshot extension chosen by the three format options, the first one set winning:
// ".gif", ".jpg", ".bmp", or "" when none is set.
std::string SnapExtension(bool gif, bool jpg, bool bmp);
// "*.gif", "*.jpg", "*.bmp" or "" by the same rule (the snapshot-folder picker's pattern).
std::string SnapPattern(bool gif, bool jpg, bool bmp);

// The still, "<snapDir>/<set><ext>". An empty snapshot directory names no file ("").
std::string SnapshotFile(FolderListings& folders, const std::string& snapDir,
                         const std::string& set, const std::string& ext);
// Picture "counter" ("00" .. "99") of the slide show, "<snapDir>/<set><counter><ext>".
std::string NumberedSnapshotFile(FolderListings& folders, const std::string& snapDir,
                                 const std::string& set, const std::string& counter,
                                 const std::string& ext);
// DirInst/Anim/<set>/<set>.gif: present when the game has an animation.
std::string AnimMarkerFile(FolderListings& folders, const std::string& dirInst,
                           const std::string& set);
// Frame "counter" of the animation, DirInst/Anim/<set>/<set><counter>.gif.
std::string AnimFrameFile(FolderListings& folders, const std::string& dirInst,
                          const std::string& set, const std::string& counter);

bool HasAnimation(FolderListings& folders, const std::string& dirInst, const std::string& set);

// The slide counter's next value: "-" becomes "00", then "01" ... "99" and "00" again.
// Anything that is not a number starts again at "00".
std::string NextSlideCounter(const std::string& counter);

} // namespace arvok
