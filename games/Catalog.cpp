#include "games/Catalog.h"

namespace slotmachine {

const CatalogEntry* findGame(std::string_view name) {
    for (const CatalogEntry& entry : gameCatalog()) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

std::vector<std::string_view> gameNames() {
    std::vector<std::string_view> names;
    for (const CatalogEntry& entry : gameCatalog()) {
        names.push_back(entry.name);
    }
    return names;
}

std::unique_ptr<Game> makeGame(std::string_view name) {
    const CatalogEntry* entry = findGame(name);
    return entry != nullptr ? entry->make() : nullptr;
}

std::vector<SimStrategy> simStrategies(std::string_view game) {
    const CatalogEntry* entry = findGame(game);
    return entry != nullptr ? simStrategies(*entry) : std::vector<SimStrategy>{};
}

std::optional<SimStrategy> findSimStrategy(std::string_view game, std::string_view name) {
    const CatalogEntry* entry = findGame(game);
    return entry != nullptr ? findSimStrategy(*entry, name) : std::nullopt;
}

std::vector<SnapshotScene> snapshotScenes(std::string_view game) {
    const CatalogEntry* entry = findGame(game);
    return entry != nullptr && entry->scenes != nullptr ? entry->scenes() : std::vector<SnapshotScene>{};
}

} // namespace slotmachine
