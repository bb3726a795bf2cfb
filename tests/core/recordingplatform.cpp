#include "recordingplatform.h"

#include "table/errors.h"

#include <algorithm>

namespace nablo::testing {

void RecordingPlatform::loadPicture(const std::string& path)
{
    if (std::find(missingPictures.begin(), missingPictures.end(), path) != missingPictures.end())
        throw RunTimeError("Cannot load picture \"" + path + "\": File not found");
}

} // namespace nablo::testing
