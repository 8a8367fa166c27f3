#pragma once
// The eliminations a hint makes on its way to a single, and their pruning,
// for the step finders that search eliminations (Sudoku, Futoshiki).
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace zorvek {

template <class Step, class Single>
struct HintRoute {
  std::vector<Step> steps;
  Single single;
};

// Takes out the steps the single does not need, earliest first, so the first
// step left is one the player has to see, not merely the first the search
// took. Without step i the others are replayed on the base board, each
// re-derived from the candidates then left (derive is false when a step no
// longer holds or removes nothing, and it drops out); singleAt gives the
// route's single again when it still shows on the board reached.
template <class Board, class Step, class Single, class Derive, class Apply, class SingleAt>
void PruneRoute(const Board& base, HintRoute<Step, Single>& route, Derive derive, Apply apply,
                SingleAt singleAt) {
  for (std::size_t i = 0; i < route.steps.size();) {
    Board b = base;
    std::vector<Step> kept;
    for (std::size_t j = 0; j < route.steps.size(); ++j) {
      if (j == i) continue;
      Step step = route.steps[j];
      if (!derive(b, step)) continue;
      apply(b, step);
      kept.push_back(std::move(step));
    }
    if (std::optional<Single> single = singleAt(b, route.single)) {
      route.steps = std::move(kept);
      route.single = std::move(*single);
    } else {
      ++i;
    }
  }
}

}  // namespace zorvek
