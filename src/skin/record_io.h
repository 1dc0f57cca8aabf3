// The members of TspKeyedRecord (record_keys.h). Included only by the files that define record
// Keys lists; each instantiates its records there (template class TspKeyedRecord<X, Base>;), so
// no other file needs a Keys definition.
#pragma once

#include "skin/record_keys.h"

namespace vt {

template <class Self, class Base, bool ChangesFont>
void TspKeyedRecord<Self, Base, ChangesFont>::LoadFromFile(TMemIniFile& f)
{
    Self& self = static_cast<Self&>(*this);
    LoadRecordKeys(self, f, this->IDName);
    self.AfterLoad();
}

template <class Self, class Base, bool ChangesFont>
void TspKeyedRecord<Self, Base, ChangesFont>::SaveToFile(TMemIniFile& f)
{
    SaveRecordKeys(static_cast<Self&>(*this), f, this->IDName);
}

template <class Self, class Base, bool ChangesFont>
void TspKeyedRecord<Self, Base, ChangesFont>::ChangeFont(const String& fontName, int32_t heightCorrection)
{
    if constexpr (ChangesFont) {
        Self& self = static_cast<Self&>(*this);
        self.FontName = fontName;
        self.FontHeight += heightCorrection;
    } else {
        Base::ChangeFont(fontName, heightCorrection);
    }
}

} // namespace vt
