#include "MonsterEntry.h"

#include "FieldTable.h"

namespace grimlark {

bool MonsterEntry::operator==(const MonsterEntry &other) const
{
    for (const FieldInfo &field : kFields) {
        if (field.text && this->*field.text != other.*field.text)
            return false;
    }
    return Scale == other.Scale && Race == other.Race && Element == other.Element &&
           ELvl == other.ELvl && Mode == other.Mode;
}

} // namespace grimlark
