#include "cli/loaded_record.h"

#include <iostream>

#include "platform/encoding.h"

namespace kelvara::cli {

bool load_record(const std::string& path, LoadedRecord& record, int flip_state) {
    record.game.flip_state = flip_state;
    record.outcome = open_record(path, record.game, record.list);
    if (!record.outcome.opened) {
        std::cerr << "kelvara-cli: " << path << ": cannot read the record file\n";
        return false;
    }
    if (!record.outcome.read) {
        std::cerr << "kelvara-cli: " << path << ": not a record (.che or .pgn)\n";
        return false;
    }
    if (record.outcome.stop)
        std::cerr << "kelvara-cli: " << path << ": warning: " << gbk_to_utf8(describe(*record.outcome.stop))
                  << "; the moves before it are loaded\n";
    return true;
}

}  // namespace kelvara::cli
