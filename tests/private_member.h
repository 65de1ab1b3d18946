// A private data member reached by a test that must hold what an object really is, not what its
// type's public names say (the hash its index is built with, not the one an alias names). An explicit
// instantiation may name a private member, access being unchecked there: instantiating
// PrivateMember<&Class::m_member, Tag> defines the friend MemberPointer(Tag), which Tag declares,
// and which hands out the pointer to the member.
//   struct IndexOf { friend constexpr auto MemberPointer(IndexOf); };
//   template struct PrivateMember<&Class::m_index, IndexOf>;
//   … object.*MemberPointer(IndexOf{}) …
#pragma once

template <auto Member, class Tag>
struct PrivateMember {
    friend constexpr auto MemberPointer(Tag) { return Member; }
};
