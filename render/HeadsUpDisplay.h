#pragma once
// The level's heads-up display, bottom left: the nickname, "Lives:" with an
// icon (the given GL texture) a life, and the play time.
void drawHeadsUpDisplay(unsigned int lifeIcon);
