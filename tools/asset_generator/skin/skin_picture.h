#pragma once
// A picture of the window skin and the file it is written to.

#include <string>
#include <vector>

#include "platform/image.h"

namespace kelvara::generator::skin {

struct SkinPicture {
    std::string file_name;
    Image image;
};
using SkinPictures = std::vector<SkinPicture>;

// The picture of that file; throws when the skin has no such picture.
const Image& find_picture(const SkinPictures& pictures, std::string_view file_name);

}  // namespace kelvara::generator::skin
