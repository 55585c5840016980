#include "routines/routine.h"

#include "routines/routine1_table.h"
#include "routines/routine2_table.h"
#include "routines/routine3_table.h"

namespace kelvoria::routines {

namespace {
constexpr std::array<Routine, 3> kRoutines = {{
    {1, &PanelState::Routine1Running, Shape::Shape7, kRoutine1, false},
    {2, &PanelState::Routine2Running, Shape::Shape8, kRoutine2, true},
    {3, &PanelState::Routine3Running, Shape::Shape9, kRoutine3, false},
}};
}  // namespace

const Routine& RoutineNumber(int number) {
    return kRoutines.at(static_cast<std::size_t>(number - 1));
}

}  // namespace kelvoria::routines
