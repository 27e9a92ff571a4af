#pragma once
// A speech engine that keeps the texts it is handed, in order.

#include <string>
#include <vector>

#include "announce/voce.h"

namespace ardenvo {

class VoceRegistrata final : public MotoreVoce {
  public:
    void Parla(const std::string& testo) override { testi.push_back(testo); }
    std::vector<std::string> testi;
};

}  // namespace ardenvo
