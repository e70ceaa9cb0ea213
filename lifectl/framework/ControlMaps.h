#pragma once
// The static tables that bind a control's window messages, verbs and dispatch
// members to its handlers.
#include "ComTypes.h"
#include "Dispatch.h"
#include "WindowTypes.h"

#include <functional>
#include <vector>

class COleControl;

constexpr unsigned AFX_IDS_VERB_EDIT = 0xFE40;
constexpr unsigned AFX_IDS_VERB_PROPERTIES = 0xFE41;

struct AFX_MSGMAP_ENTRY {
    enum Kind { Message, Verb };
    Kind kind;
    unsigned id; // the message, or the verb's name string id
    std::function<LRESULT(COleControl&, WPARAM, LPARAM)> handler;
};
using AFX_MSGMAP = std::vector<AFX_MSGMAP_ENTRY>;

// One member: a method without parameters, or a short property with a getter and a setter.
struct AFX_DISPMAP_ENTRY {
    const char* name;
    DISPID dispid; // DISPID_UNKNOWN: numbered from its position in the map, from 1
    VARTYPE vt;
    std::function<void(COleControl&)> method;
    std::function<short(COleControl&)> get;
    std::function<void(COleControl&, short)> put;
};
using AFX_DISPMAP = std::vector<AFX_DISPMAP_ENTRY>;

// One event the control may fire: its name and DISPID in the event interface.
struct AFX_EVENTMAP_ENTRY {
    const char* name;
    DISPID dispid;
};
using AFX_EVENTMAP = std::vector<AFX_EVENTMAP_ENTRY>;

// A handler of a derived control, called on the base it is registered with.
template <class T> auto OnMessage(unsigned message, void (T::*handler)(WPARAM, LPARAM))
{
    return AFX_MSGMAP_ENTRY{AFX_MSGMAP_ENTRY::Message, message, [handler](COleControl& c, WPARAM w, LPARAM l) {
                                (static_cast<T&>(c).*handler)(w, l);
                                return LRESULT{0};
                            }};
}

template <class T> auto OnVerb(unsigned nameId, bool (T::*handler)())
{
    return AFX_MSGMAP_ENTRY{AFX_MSGMAP_ENTRY::Verb, nameId, [handler](COleControl& c, WPARAM, LPARAM) {
                                return LRESULT{(static_cast<T&>(c).*handler)() ? 1 : 0};
                            }};
}

template <class T> auto DispMethod(const char* name, void (T::*method)(), DISPID dispid = DISPID_UNKNOWN)
{
    AFX_DISPMAP_ENTRY entry{name, dispid, VT_EMPTY, {}, {}, {}};
    entry.method = [method](COleControl& c) { (static_cast<T&>(c).*method)(); };
    return entry;
}

template <class T> auto DispProperty(const char* name, short (T::*get)(), void (T::*put)(short))
{
    AFX_DISPMAP_ENTRY entry{name, DISPID_UNKNOWN, VT_I2, {}, {}, {}};
    entry.get = [get](COleControl& c) { return (static_cast<T&>(c).*get)(); };
    entry.put = [put](COleControl& c, short v) { (static_cast<T&>(c).*put)(v); };
    return entry;
}

// The DISPID of the map's entry at a position: its own, or its position from 1.
DISPID AfxDispIdOf(const AFX_DISPMAP& map, std::size_t index);
