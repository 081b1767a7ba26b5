// The small pictures of a folder, packed into one file beside them by the
// build, so that a view drawing dozens of signs opens one file instead of
// dozens. The pictures stay files of their own and remain what counts: a
// packed copy stands in for its file only while the file has the length and
// the modification time (in whole seconds, which copies and archives keep)
// it had when the pack was made, and while the copy's bytes still carry the
// checksum they were packed with. Any other file, and every file of a folder
// without a pack, is read itself.
#pragma once

#include <cstdint>
#include <string>

#include "platform/filecache.h"

namespace kl::platform {

// The pack's name in the folder whose pictures it holds.
inline constexpr const char* kPicturePackName = "pictures.pack";

// Pictures up to this length are packed. Opening a larger file costs little
// beside reading it, and leaving it out keeps the pack small.
inline constexpr std::int64_t kPackedPictureLimit = 128 * 1024;

// Packs the pictures (*.bmp, *.png up to the limit) of `folder`, replacing
// any pack there. First it gives each of them a modification time of a
// second of its own, a second or more in the past, so that a picture later
// copied over another with its time kept is never taken for the one it
// replaced. False, with `error` saying why, when the pack cannot be made.
bool writePicturePack(const std::string& folder, std::string& error);

// The bytes of the file `stamp` was taken of, from its folder's pack when
// the pack holds this very file. False, with `out` untouched, otherwise: no
// pack, no such entry, another length or time, or a copy that no longer
// reads as packed. A folder's pack is opened once and kept open.
bool readPackedPicture(const FileStamp& stamp, std::string& out);

}  // namespace kl::platform
