#include "asset_folder.h"

#include <fstream>
#include <stdexcept>

#include "platform/png_codec.h"
#include "raster/surface.h"

namespace kelvara::generator {

AssetFolder::AssetFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!std::filesystem::is_directory(folder_))
        throw std::runtime_error("cannot create the folder " + folder_.string());
}

void AssetFolder::write(std::string_view name, std::span<const std::uint8_t> bytes) const {
    const std::filesystem::path file = folder_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void AssetFolder::write_png(std::string_view name, const Image& image, int scale) const {
    const std::string file_name = scaled_file_name(name, scale);
    const std::vector<std::uint8_t> bytes = encode_png(image);
    if (bytes.empty()) throw std::runtime_error("cannot encode " + file_name + " as PNG");
    write(file_name, bytes);
}

}  // namespace kelvara::generator
