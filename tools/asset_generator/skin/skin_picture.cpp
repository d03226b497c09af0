#include "skin/skin_picture.h"

#include <stdexcept>

namespace kelvara::generator::skin {

const Image& find_picture(const SkinPictures& pictures, std::string_view file_name) {
    for (const SkinPicture& p : pictures)
        if (p.file_name == file_name) return p.image;
    throw std::logic_error("the skin has no picture " + std::string(file_name));
}

}  // namespace kelvara::generator::skin
