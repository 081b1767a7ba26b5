#include "data/settings.h"

namespace kl {

bool _Yshine = false;
bool _Yline = false;
bool _Yfigure = false;
bool _Sfigure = false;
bool _SFX = false;
std::int32_t _spconst = 0;
bool _Swapbtn = false;
bool _Mlinear = true;
std::int32_t _Mmodel = 0;
std::string _signfont;
std::int32_t _hlpcount = 1;
bool _BookDate = false;
bool _DayDate = false;
bool _IconDate = true;
std::int32_t _DateFormat = 5;
bool _Turtles = false;

void resetSettings() {
    _Yshine = _Yline = _Yfigure = _Sfigure = _SFX = _Swapbtn = false;
    _spconst = 0;
    _Mlinear = true;
    _Mmodel = 0;
    _signfont.clear();
    _hlpcount = 1;
    _BookDate = _DayDate = false;
    _IconDate = true;
    _DateFormat = 5;
    _Turtles = false;
}

}  // namespace kl
