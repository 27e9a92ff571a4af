#pragma once
// The speech engine as the announcements see it: one text at a time, never awaited.

#include <string>

namespace ardenvo {

class MotoreVoce {
  public:
    virtual ~MotoreVoce() = default;
    // Takes a UTF-8 text and returns at once; texts are spoken whole, in the order handed over.
    virtual void Parla(const std::string& testo) = 0;
};

}  // namespace ardenvo
