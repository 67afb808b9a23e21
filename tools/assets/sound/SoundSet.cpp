#include "tools/assets/sound/SoundSet.h"

#include "tools/assets/sound/Mastering.h"

namespace slotmachine::sound {

Wave render(const SoundRecipe& recipe) {
    return finish(recipe.mix(), {.maxSeconds = recipe.maxSeconds, .trimDb = recipe.trimDb});
}

std::vector<FinishedSound> render(const GameSounds& set) {
    std::vector<FinishedSound> finished;
    finished.reserve(set.sounds.size());
    for (const SoundRecipe& recipe : set.sounds) {
        finished.push_back({recipe.name, render(recipe)});
    }
    return finished;
}

} // namespace slotmachine::sound
