#pragma once

#include "model/AccumPropertyHolder.h"
#include "model/AnimatedLayout.h"
#include "model/KeyFrameTrack.h"
#include "model/PlacementListener.h"
#include "model/PropertyChangeListener.h"
#include "model/SceneItem.h"
#include "model/ScriptPropertyHolder.h"
#include "model/TextPropertyHolder.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"

#include "framework/BasePlugin.h"

#include <cstdint>
#include <utility>
#include <vector>

// What the model's instance classes share. Holders, in order: "Placement"
// ("FrameStart", "FrameStop"), one holder per animated group, the scripts, and
// the hidden accumulation. The animated holders show the values at the frame
// applied last: their value before key frames plus the accumulated change of
// the key frames at that frame, which the "Accum" holder remembers so that the
// next frame can take it out again. Editing a value therefore moves the whole
// motion, and editing a key frame moves the motion from that key frame on.
class InstanceBase : public BasePlugin,
                     public Instance,
                     public HasProperties,
                     public AllowsKeyFrames,
                     public SceneItem,
                     private PropertyChangeListener {
  public:
    ~InstanceBase() override;

    Pointer<CastMember> GetCastMember() override;
    // Everything is set up at construction.
    void Initialize() override {}
    void SetCastMember(Pointer<CastMember> member) override;

    Pointer<KeyFrame> GetNextKeyFrame(int fromFrame) override;
    Pointer<KeyFrame> AddKeyFrame(int frame) override;
    void RemoveKeyFrame(int frame) override;

    bool IsPickable() override { return true; }
    bool ApplyLight(unsigned) override { return false; }

    void SetPlacementListener(PlacementListener* listener) { m_pPlacementListener = listener; }
    // The text a property would show without key frames (what a project file
    // keeps); the shown text for properties that are not animated.
    String GetBaseValue(const String& name);
    // A number that changes whenever what a project file keeps of the
    // instance, apart from its placement and cast member, may have changed:
    // its properties, scripts and key frames. No other instance ever has the
    // same number, so that a text kept for the instance under its number
    // stays right for as long as the number does.
    std::uint64_t GetChangeStamp();

  protected:
    // The layout belongs to the class and outlives its instances.
    InstanceBase(const AnimatedLayout& layout, const StringList& scriptNames);

    void ApplyFrame(int frame, int previousFrame) override;

    // The answers every instance class gives, for its FindInterface;
    // "AllowsKeyFrames" only when something is animated.
    void* FindInstanceInterface(const char* name);
    // The value shown for a property, as a number (0 when missing).
    double GetNumber(const char* name);

    Pointer<CastMember> m_pCastMember;

  private:
    // An animated property: its holder and, while key frames change it, the
    // text the model wrote there last and its value without key frames as it
    // was written (so that playing back and forth never accumulates
    // rounding, and a project file keeps what the author typed). Text found
    // in the holder that the model did not write was written by someone
    // else, under the accumulation of the time. Without a change by key
    // frames the holder's text is the value itself, and the two stay empty:
    // a project holds tens of thousands of instances.
    struct AnimatedValue {
        const String* name;
        TextPropertyHolder* holder; // owned by m_holders
        String written;
        String base;
    };

    void OnPropertyChanged(const String& name) override;
    void Touch();
    // The value without key frames under the accumulation in the holder,
    // taking in what someone else wrote since the model last did.
    String BaseOf(AnimatedValue& value, double accumulated);

    Pointer<TextPropertyHolder> m_pPlacement;
    std::vector<AnimatedValue> m_values; // in the order of the accumulation holder
    Pointer<ScriptPropertyHolder> m_pScripts;
    Pointer<AccumPropertyHolder> m_pAccum;
    KeyFrameTrack m_track;
    PlacementListener* m_pPlacementListener = nullptr;
    std::uint64_t m_nChangeStamp;
    // The model writes the values of a frame: what a file keeps stays.
    bool m_bApplyingFrame = false;
    // Key frames were handed out since their frames were last looked at.
    bool m_bKeyFramesOut = false;
};
