#include "games/Catalog.h"

#include "games/orevein/OreveinGame.h"

namespace slotmachine {

std::vector<std::string_view> gameNames() {
    return {"orevein"};
}

std::unique_ptr<Game> makeGame(std::string_view name) {
    if (name == "orevein") {
        return std::make_unique<orevein::OreveinGame>();
    }
    return nullptr;
}

} // namespace slotmachine
