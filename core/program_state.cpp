#include "core/program_state.h"

namespace ranvik {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

void ResetProgramState() { Program() = ProgramState{}; }

}  // namespace ranvik
