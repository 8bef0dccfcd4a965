#pragma once

#include <QPalette>
#include <QString>

namespace planova {

/// A look of the application: the Qt style and the palette of one look command (205–219).
struct LookStyle
{
    int Id;
    const char* StyleName;
    QPalette Palette;
};

/**
 * The look of a command identifier. 211–214 are Office 2007 with its blue scheme; anything
 * outside 205–219 is the default look 210.
 */
LookStyle LookFor(int id);

/// The identifier that is applied for a stored value (values outside 205–219 become 210).
int EffectiveLook(int id);

/// Installs the look's style and palette on the whole application and repaints every window.
void ApplyLook(int id);

} // namespace planova
