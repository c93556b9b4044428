#include "provera/lines.h"

#include <cstring>
#include <utility>

namespace geometrija {
namespace provera {

LineSplitter::LineSplitter(std::size_t bound, Sink sink) : bound_(bound), sink_(std::move(sink)) {}

void LineSplitter::feed(const char* data, std::size_t size) {
    while (size > 0) {
        const void* lf = std::memchr(data, '\n', size);
        const std::size_t part =
            lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
        // One byte past the bound is room for a CR that the LF will drop.
        const std::size_t room = bound_ + 1 - line_.size();
        if (!skipping_ && part > room) {
            line_.append(data, room);
            line_.resize(bound_);
            sink_(line_, true);
            line_.clear();
            skipping_ = true;
        } else if (!skipping_) {
            line_.append(data, part);
        }
        open_ = open_ || part > 0;
        if (lf == nullptr) {
            return;
        }
        end();
        data += part + 1;
        size -= part + 1;
    }
}

void LineSplitter::finish() {
    if (open_) {
        end();
    }
}

void LineSplitter::end() {
    if (!line_.empty() && line_.back() == '\r') {
        line_.pop_back();
    }
    if (line_.size() > bound_) {
        line_.resize(bound_);
        sink_(line_, true);
    } else if (!skipping_) {
        sink_(line_, false);
    }
    line_.clear();
    skipping_ = false;
    open_ = false;
}

AnswerLines::AnswerLines(std::size_t wanted)
    : wanted_(wanted), splitter_(MAX_LINE, [this](const std::string& line, bool tooLong) {
          if (lines_.size() < wanted_) {
              lines_.push_back(AnswerLine{line, tooLong});
          } else {
              ++beyond_;
          }
      }) {}

}  // namespace provera
}  // namespace geometrija
