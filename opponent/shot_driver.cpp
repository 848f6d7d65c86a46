#include "opponent/shot_driver.h"

#include <cmath>

#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "screen/logic/language.h"
#include "screen/logic/shot_controls.h"

namespace velkor {

namespace {

// The bounds are the Singles of these quotients, compared strictly against the best cut.
const Single kCut30 = static_cast<Single>(94.247778 / 180);
const Single kCut20 = static_cast<Single>(62.831852 / 180);
const Single kCut10 = static_cast<Single>(31.415926 / 180);

using Chooser = void (*)(GameState&, ShotPlan&);

bool samePlan(const ShotPlan& a, const ShotPlan& b) {
  return a.aim.x == b.aim.x && a.aim.y == b.aim.y && a.bestCut == b.bestCut &&
         a.cueTravel == b.cueTravel && a.objTravel == b.objTravel && a.found == b.found;
}

void run(GameState& g, ShotPlan& plan, Chooser chooser, const char* name,
         const ChooserObserver& observer) {
  if (!observer) {
    chooser(g, plan);
    return;
  }
  const ShotPlan before = plan;
  chooser(g, plan);
  observer(name, !samePlan(before, plan), plan);
}

// A draw stored as a Single. A draw just below 1 would round up to 1 and then miss the error
// that a chance of exactly 1 must always give, so it stays the largest Single below 1.
Single drawSingle(GameState& g) {
  const Single r = static_cast<Single>(g.random->draw());
  return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

// One coordinate of the aim moved by up to a sixth of a ball's diameter either way.
Single missAim(Single aim, double u) { return static_cast<Single>(aim + (u - 0.5) * 100 / 3); }

}  // namespace

Single getAimErrorRate(Integer level) {
  switch (level) {
    case 1: return 0.8f;
    case 2: return 0.7f;
    case 3: return 0.5f;
    case 4: return 0.3f;
    case 5: return 0.2f;
    case 6:
    case 7: return 0.1f;
    case 8:
    case 9:
    case 10: return 0.05f;
    default: return 0.01f;
  }
}

Integer getComputerPower(Integer level, Single cueTravel, Single objTravel) {
  if (level < 3) return 100;
  // (sum / 2400) * 150 is sum / 16; dividing by a power of two keeps an exact multiple of 16
  // whole (880 gives 55, where the longer way round gives 54.999996).
  const Single power = limitRange((cueTravel + objTravel) / 16.0f, 35.0f, 100.0f);
  return static_cast<Integer>(power);
}

bool triesBankAfter(Integer level, Single bestCut) {
  switch (level) {
    case 9: return bestCut > kCut30;
    case 10: return bestCut > kCut20;
    case 11: return bestCut > kCut10;
    default: return false;
  }
}

void playComputerShot(GameState& g) { playComputerShot(g, ChooserObserver{}); }

void playComputerShot(GameState& g, const ChooserObserver& observer) {
  const Integer level = g.quibLevel;
  ShotPlan plan;
  plan.aim = g.aimPoint;

  if (level <= 6) {
    run(g, plan, chooseSimpleShot, "chooseSimpleShot", observer);
  } else {
    run(g, plan, chooseDirectOrCombinationShot, "chooseDirectOrCombinationShot", observer);
  }
  if (level >= 5) run(g, plan, chooseObjectBankShot, "chooseObjectBankShot", observer);
  if (triesBankAfter(level, plan.bestCut)) {
    if (level == 9) {
      run(g, plan, chooseBankShot, "chooseBankShot", observer);
    } else {
      run(g, plan, chooseBankCombinationShot, "chooseBankCombinationShot", observer);
    }
  }
  run(g, plan, chooseThinHitShot, "chooseThinHitShot", observer);
  if (level >= 3) run(g, plan, chooseCushionHitShot, "chooseCushionHitShot", observer);
  if (!plan.found) {
    g.form.setCaption(Ctl::lblQuibsMessage, getLangText(g, "打つ手がないよ～", "I can do nothing!"));
  }

  setPowerBar(g, getComputerPower(level, plan.cueTravel, plan.objTravel));
  g.form.setEnabled(Ctl::HScroll1, false);

  Single chance = getAimErrorRate(level);
  const Integer target = getLowestBall(g);
  const Single r = drawSingle(g);
  if (target == 9) chance *= 2;
  if (chance > r) {
    g.aimPoint.x = missAim(plan.aim.x, g.random->draw());
    g.aimPoint.y = missAim(plan.aim.y, g.random->draw());
  } else {
    g.aimPoint = plan.aim;
  }

  refreshTargetMarker(g);
}

}  // namespace velkor
