#pragma once

class QString;

// The window that the setup keeps in step with itself: the main window,
// whose clerk tools and currency captions follow the setup's boxes while it
// runs, before anything is saved. The setup calls it on every tick of its
// mirror, so a target changes nothing for values it already holds.
class SetupMirrorTarget
{
public:
    virtual ~SetupMirrorTarget() = default;

    // "0" allowed, "1" not allowed, for delete, add and edit.
    virtual void mirrorPermissions(const QString& deleteAllowed, const QString& addAllowed,
                                   const QString& editAllowed) = 0;
    // The two currency captions beside the money amounts, the ones that
    // start from the settings "Currency1" and "Currency2".
    virtual void mirrorCurrencies(const QString& currency1, const QString& currency2) = 0;
    // The first-run flag, "1" once the setup has been saved.
    virtual void setFirstRunFlag(const QString& flag) = 0;
};
