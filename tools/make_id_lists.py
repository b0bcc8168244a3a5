#!/usr/bin/env python3
"""Writes the two identifier reference lists, resources/articles/mp5.txt (items)
and resources/articles/mp6.txt (skills), from the word lists below.

The lists are ours: names are put together from game-style vocabulary (grades,
materials, armor sets, creatures, elements) plus hand-made entries, and the
identifiers are handed out in ascending order inside each section.  The run is
seeded, so it always gives the same files.  The last step swaps a few names of
the free-form sections (quest items, monster drops, monster skills...) for
others of another length until each file has exactly the shape that
tests/articles/article_shapes.tsv asks for.

Usage: python3 tools/make_id_lists.py
"""
import pathlib
import random

ROOT = pathlib.Path(__file__).resolve().parent.parent
ARTICLES = ROOT / "resources" / "articles"

# Shapes from tests/articles/article_shapes.tsv: lines, characters, longest line.
MP5_SHAPE = (1901, 44738, 43)
MP6_SHAPE = (1964, 42238, 65)


def W(text):
    """Names separated by commas or line breaks."""
    return [w.strip() for w in text.replace("\n", ",").split(",") if w.strip()]


def possessive(name):
    return name + ("'" if name.endswith("s") else "'s")


# ---------------------------------------------------------------------------
# Creatures: each kind has its own epithets, attacks and body parts, so that
# no wolf ever breathes fire and no ghost drops a tooth.
# ---------------------------------------------------------------------------

KINDS = {
    "beast": dict(
        creatures=W("Wolf, Wild Boar, Grizzly, Panther, Jackal, Lynx, Buffalo, Hyena, Cougar,"
                    "Manticore, Chimera, Behemoth, Unicorn, Timber Bear"),
        quals=W("Dire, Savage, Young, Elder, Forest, Mountain, Cave, Plague, Rabid, Giant, Frost, Desert"),
        attacks=W("Bite, Claw, Charge, Stomp, Rampage, Frenzy, Fury, Pounce, Roar, Maul"),
        parts=W("Fang, Hide, Claw, Tooth, Heart, Eye, Skull, Blood Essence, Sinew, Pelt, Bone Fragment"),
    ),
    "humanoid": dict(
        creatures=W("Orc, Goblin, Kobold, Gnoll, Hobgoblin, Ogre, Troll, Lizardman, Ratman, Bugbear,"
                    "Minotaur, Werewolf, Cyclops, Centaur"),
        quals=W("Elder, Savage, Cave, Marsh, Mountain, Plague, Blood, Frost, Desert, Swamp, Corrupted, Renegade"),
        attacks=W("Strike, Slam, Charge, Cleave, Rampage, Roar, Fury, Smash"),
        parts=W("Totem, Amulet, Tooth, Skull, Heart, Eye, Insignia, Blood Essence, Tusk"),
    ),
    "undead": dict(
        creatures=W("Skeleton, Zombie, Ghoul, Lich, Mummy, Bone Knight, Death Knight, Vampire, Dullahan"),
        quals=W("Ancient, Crypt, Plague, Cursed, Rotting, Restless, Grave, Fallen, Elder"),
        attacks=W("Curse, Touch, Chill, Drain, Strike, Claw, Grasp, Bite"),
        parts=W("Ashes, Skull, Bone Fragment, Shroud, Grave Dust, Rib"),
    ),
    "spirit": dict(
        creatures=W("Wraith, Specter, Banshee, Ghost, Phantom, Shade, Poltergeist"),
        quals=W("Ancient, Crypt, Cursed, Restless, Vengeful, Lost, Drowned"),
        attacks=W("Wail, Scream, Touch, Chill, Drain, Curse, Grasp"),
        parts=W("Ectoplasm, Essence, Tear, Veil, Shroud"),
    ),
    "reptile": dict(
        creatures=W("Basilisk, Drake, Wyvern, Dragon, Salamander, Wyrm, Serpent, Viper, Hydra, Naga,"
                    "Medusa, Crocodile"),
        quals=W("Elder, Young, Ancient, Swamp, Desert, Marsh, Cave, Blood, Frost, Storm"),
        attacks=W("Bite, Breath, Tail Swing, Spit, Lash, Claw, Gaze"),
        parts=W("Scale, Fang, Claw, Egg, Heart, Eye, Blood Essence, Venom Sac, Tail"),
    ),
    "insect": dict(
        creatures=W("Spider, Scorpion, Ant Soldier, Beetle, Stakato, Sea Scorpion, Sand Worm,"
                    "Giant Wasp, Mantis, Centipede"),
        quals=W("Cave, Marsh, Desert, Poison, Plague, Crypt, Swamp, Forest"),
        attacks=W("Bite, Sting, Spit, Venom, Frenzy, Swarm, Acid Spray"),
        parts=W("Carapace, Leg, Venom Sac, Gland, Egg, Mandible, Shell, Antenna"),
    ),
    "construct": dict(
        creatures=W("Golem, Stone Giant, Gargoyle, Fire Elemental, Ice Golem, Titan, Iron Golem,"
                    "Crystal Golem, Earth Elemental"),
        quals=W("Ancient, Elder, Corrupted, Tainted, Lesser, Greater, Awakened"),
        attacks=W("Slam, Stomp, Crush, Shockwave, Burst, Aura, Smash, Quake"),
        parts=W("Core, Shard, Fragment, Essence, Heart, Dust"),
    ),
    "plant": dict(
        creatures=W("Treant, Dryad, Mandragora, Undine, Sylph, Nymph, Thorn Vine"),
        quals=W("Ancient, Elder, Corrupted, Tainted, Forest, Swamp, Withered"),
        attacks=W("Root, Lash, Charm, Scream, Grasp, Surge, Song"),
        parts=W("Root, Bark, Leaf, Sap, Seed, Petal, Tear"),
    ),
    "demon": dict(
        creatures=W("Imp, Succubus, Demon, Hellhound, Nightmare, Fiend, Hell Knight"),
        quals=W("Lesser, Greater, Cursed, Shadow, Abyss, Blood, Fallen, Infernal"),
        attacks=W("Claw, Curse, Gaze, Fury, Strike, Drain, Flame"),
        parts=W("Horn, Tail, Heart, Blood Essence, Ashes, Claw, Wing, Eye"),
    ),
    "flyer": dict(
        creatures=W("Harpy, Griffin, Cockatrice, Vampire Bat, Eagle, Roc, Crow"),
        quals=W("Mountain, Cave, Storm, Elder, Savage, Young, Desert, Plague"),
        attacks=W("Claw, Shriek, Dive, Bite, Wing Buffet, Peck"),
        parts=W("Feather, Talon, Wing, Egg, Beak, Heart, Eye"),
    ),
}
HUMANOID_ROLES = {
    "Warrior": W("Strike, Slam, Cleave, Rampage"),
    "Shaman": W("Curse, Hex, Heal, Flame Bolt"),
    "Archer": W("Shot, Volley, Aimed Shot"),
    "Chieftain": W("Roar, War Cry, Command"),
    "Berserker": W("Frenzy, Fury"),
    "Scout": W("Stab, Dash"),
}
QUEST_BODY = W("Head, Ear, Banner, War Drum, Chieftain's Seal, Scalp")


def creature_attacks():
    plain, qualified, roles = [], [], []
    for kind in KINDS.values():
        for c in kind["creatures"]:
            for a in kind["attacks"]:
                plain.append(f"{c} {a}")
                for q in kind["quals"]:
                    # "Desert Sea Scorpion", "Cave Vampire Bat": no epithet on a two-word name
                    if " " not in c:
                        qualified.append(f"{q} {c} {a}")
    for c in KINDS["humanoid"]["creatures"]:
        for role, attacks in HUMANOID_ROLES.items():
            roles += [f"{c} {role} {a}" for a in attacks]
    return plain, qualified, roles


def creature_parts():
    return [f"{c} {p}" for kind in KINDS.values() for c in kind["creatures"] for p in kind["parts"]]


# ---------------------------------------------------------------------------
# Skills (mp6)
# ---------------------------------------------------------------------------

FIGHTER_HAND = W("""
Double Sonic Slash, Power Strike, Mortal Blow, Power Shot, Stun Shot, Double Shot, Lethal Blow,
Backstab, Deadly Blow, Blinding Blow, Hamstring, Wild Sweep, Whirlwind, Armor Crush, Shield Stun,
Shield Bash, Shield Slam, Sonic Blaster, Sonic Storm, Sonic Buster, Sonic Focus, Hurricane Assault,
Fatal Strike, Cripple, Lunge, Trick, Switch, Sting, Bleed, Riposte, Parry, Provoke, Aggression,
Hate Aura, Lionheart, Frenzy, Guts, Battle Roar, Thrill Fight, Rage, Zealot, Accuracy,
Vicious Stance, Rapid Shot, Burst Shot, Lethal Shot, Snipe, Hawk Eye, Dash, Ultimate Evasion,
Focus Chance, Focus Power, Focus Attack, Critical Blow, Charge, Force Blaster, Force Storm,
Force Buster, Soul Breaker, Bone Crusher, Skull Splitter, Earthquake, Shock Blast, Crush of Doom,
Vengeance, Touch of Life, Holy Strike, Holy Blade, Cleave, Heavy Swing, Pommel Strike, Knee Kick,
Elbow Smash, Counterattack, Disarm, Feint, Taunt, Shield Fortress, Fortitude, Iron Skin, Bull Rush,
Overhead Strike, Rising Cut, Crescent Slash, Cross Slash, Chain Strike, Quick Draw,
Point Blank Shot, Arrow Rain, Pinning Shot, Ricochet Shot, Smoke Bomb, Poison Blade,
Throwing Knife, Shadow Step, Silent Move, Fake Death, Mirage, Veil of Shadows, Sword Symphony,
Blade Dance, War Cry, Battle Stance, Defensive Stance, Berserker Stance, Armor Break,
Shield Wall, Spinning Slasher, Ground Shaker, Stun Attack, Fist of Fury, Blade Storm
""")
ATK_ADJ = W("""
Power, Mortal, Deadly, Crushing, Savage, Brutal, Piercing, Rending, Lethal, Fatal, Sonic, Twin,
Spinning, Rising, Furious, Raging, Silent, Shadow, Bloody, Iron, Steel, Thunder, Hurricane, Earth,
Tiger, Wolf, Bear, Hawk, Viper, Dragon, Vicious, Cruel, Wild, Hidden, Swift, Heavy, Wide,
Reckless, Stunning, Heroic, Valiant, Lion, Crimson, Frenzied, Gale, Berserk, Bleeding
""")
ATK_NOUN = W("""
Strike, Blow, Slash, Thrust, Stab, Smash, Crush, Cleave, Sweep, Rush, Charge, Assault, Barrage,
Fang, Claw, Fist, Kick, Shot, Volley, Stomp, Spin, Edge, Rend, Cut, Lunge, Swing, Impact, Break,
Leap, Combo, Flurry, Onslaught, Tackle
""")
COMBO_ADJ = W("""
Rising, Falling, Furious, Silent, Raging, Crushing, Savage, Spinning, Hidden, Roaring, Howling,
Flying, Dancing, Burning, Frozen, Piercing, Double, Triple, Swift, Thousand
""")
COMBO_BEAST = W("""
Dragon, Tiger, Wolf, Hawk, Viper, Bear, Phoenix, Lion, Eagle, Serpent, Thunder, Storm, Shadow,
Iron, Steel, Moon, Sun, Sonic, Blade, Wind, Mountain, Crane
""")
COMBO_NOUN = W("Strike, Fang, Claw, Fist, Kick, Slash, Thrust, Blow, Rush, Edge, Palm, Talon")

MAGIC_HAND = W("""
Heal, Greater Heal, Battle Heal, Group Heal, Major Heal, Greater Group Heal, Major Group Heal,
Restore Life, Recharge, Mass Recharge, Cleanse, Purify, Resurrection, Mass Resurrection, Vitalize,
Body to Mind, Mana Burn, Mana Storm, Cancel, Erase, Transfer Pain, Sleep, Silence, Hold, Root,
Fear, Slow, Poison, Surrender to Fire, Surrender to Water, Surrender to Wind, Surrender to Earth,
Vampiric Claw, Death Spike, Corpse Burst, Corpse Life Drain, Life Drain, Mana Drain, Aura Flare,
Aura Bolt, Aura Flash, Aura Burn, Aura Symphony, Solar Flare, Solar Spark, Hydro Blast,
Sleeping Cloud, Dryad Root, Charm, Peace, Sleep of Trance, Tempest of Blades, Meteor, Prominence,
Blazing Circle, Blazing Skin, Frost Wall, Frost Bolt, Wind Strike, Twister, Hurricane, Ice Dagger,
Raging Waves, Cyclone, Lightning Strike, Thunder Storm, Shadow Flare, Dark Vortex, Steal Essence,
Vampiric Touch, Anchor, Mass Slow, Mass Fear, Mass Sleep, Mass Silence, Mass Poison, Mass Root,
Trance, Stigma of Shilen, Decay, Gloom, Chill, Wither, Blight, Hex, Mute, Stupor, Weakness,
Lament, Torment, Doom, Despair, Malaise, Summon Corpse Swarm, Bone Prison, Earth Prison
""")
# Elements with the epithets that suit them.
ELEMENT_GROUPS = [
    (W("Fire, Flame, Ember, Solar, Hell"), W("Searing, Blazing, Burning, Scorching")),
    (W("Ice, Frost, Hail"), W("Freezing, Shattering, Numbing, Biting")),
    (W("Wind, Storm, Thunder, Lightning"), W("Howling, Twisting, Roaring, Crackling")),
    (W("Earth, Stone, Thorn"), W("Crushing, Quaking, Grinding")),
    (W("Water, Aqua"), W("Raging, Drowning, Surging")),
    (W("Dark, Shadow, Void, Death, Abyss, Blood, Soul, Chaos"), W("Sinister, Cursed, Wailing, Creeping")),
    (W("Holy, Light, Star, Moon, Lunar, Spirit, Arcane, Mana"), W("Sacred, Radiant, Shining, Piercing")),
    (W("Poison, Venom"), W("Creeping, Rotting, Toxic")),
]
SPELL_NOUN = W("""
Bolt, Blast, Burst, Nova, Wave, Vortex, Spike, Lance, Spear, Shackle, Prison, Tempest, Rain, Wall,
Breath, Flare, Pillar, Orb, Ray, Beam, Surge, Blade, Missile, Storm, Bind, Arrow, Cloud, Dart,
Shard, Whip
""")
SPELL_OF = W("""
Fire, Flames, Ice, Frost, Thunder, Lightning, Shadows, Darkness, Light, Souls, Death, Thorns,
Blades, Stone, Ash, Embers, Storms, Venom, the Void, the Abyss, Decay, Pain, Ruin, Sorrow,
Judgment, Wrath
""")
CURSE_OF = W("""
Weakness, Fear, Poison, Gloom, Chaos, Death, Doom, Shade, Despair, Frailty, Exhaustion, Disease,
Decay, Madness, Blindness, Sloth, Silence, Torment, Agony, Dread, Malice, Misery, Plague, Ruin,
Sorrow, Wrath, Withering
""")
SEAL_OF = W("Slow, Winter, Silence, Binding, Despair, Pain, Sorrow, Frailty, Flame, Suspension")

BUFF_HAND = W("""
Might, Shield, Haste, Wind Walk, Focus, Guidance, Death Whisper, Empower, Acumen,
Berserker Spirit, Magic Barrier, Bless the Body, Bless the Soul, Bless Shield, Mental Shield,
Concentration, Agility, Regeneration, Invigor, Resist Shock, Resist Poison, Holy Weapon,
Advanced Block, Greater Might, Greater Shield, Wild Magic, Decrease Weight, Kiss of Eva,
Vampiric Rage, Prophecy of Fire, Prophecy of Water, Prophecy of Wind, Chant of Victory,
Blessing of Noblesse, Salvation, Flame Chant, Pa'agrio's Fist, Pa'agrio's Honor, War Chant,
Earth Chant, Soul Guard, Soul Shield, Iron Will, Arcane Protection, Magnus' Chant,
Elemental Protection, Divine Protection, Ward of the Goddess, Spirit Barrier, Divine Grace,
Steady Hand, Clear Mind, Swift Feet, Keen Eye, Burning Spirit, Inner Fire, Dawn Resolve,
Battle Cry, Rally, Song of Earth Guard, Song of Flame Guard, Song of Storm Guard,
Dance of Shadow, Dance of the Vampire, Dance of the Warrior, Dance of Fire, Dance of Light
""")
BUFF_FORM = W("""
Blessing, Song, Dance, Chant, Prayer, Hymn, Rite, Pact, Aura, Spirit, Power, Gift, Will, Oath,
Word, Touch, Sign, Grace, Favor, Echo
""")
VIRTUES = W("""
Valor, Wisdom, Fury, Courage, Protection, Concentration, Vigor, Fortitude, Swiftness, Precision,
Clarity, Endurance, Resolve, Serenity, Defiance, Vengeance, Mercy, Faith, Honor, Glory, Hope,
Patience, Harmony, Unity, Renewal, Meditation, Invocation, Warding, Vitality, Life, Earth, Water,
Wind, Flame, Frost, Light, Shadow, the Hunter, the Wolf, the Bear, the Eagle, the Phoenix,
the Titan, the Sage, the Warrior, the Champion, the Guardian, the Moon, the Sun, the Stars,
the Storm, Eva, Shilen, Einhasad, Maphr, Paagrio, Sayha, Gran Kain, Silence, Insight, Battle,
Shelter, Dawn, Dusk, Twilight, the Ancients, the Forest, the Sea, the Mountain
""")
DEITY_FORM = W("Blessing, Chant, Hymn, Prayer, Song, Rite, Touch, Word, Gift")
DEITIES = W("Eva, Shilen, Einhasad, Maphr, Paagrio, Sayha, Gran Kain")
DEITY_GIFT = W("Mercy, Fury, Light, Wisdom, Grace, Embrace, Flame, Tears, Protection, Wrath, Favor, Shield")

PASSIVE_HAND = W("""
Fast Spell Casting, Fast HP Recovery, Fast MP Recovery, Fast Shot, Final Frenzy, Final Fortress,
Long Shot, Quick Step, Quick Recovery, Esquire, Skill Mastery, Light Armor Expert,
Heavy Armor Expert, Magic Immunity, Weight Limit, Create Item, Common Craft, Create Common Item,
Expand Dwarven Craft, Expand Common Craft, Spoil, Sweeper, Spoil Festival, Lucky, Crystallize,
Expand Inventory, Expand Trade, Mana Recovery, Anti Magic, Vital Force, Battle Sense, Cheap Shot,
Mana Gain, Clan Luck, Clan Imperium, Noblesse Blessing, Dwarven Wisdom, Elven Grace,
Orcish Toughness, Human Will, Dark Elven Guile, Final Secret, Vital Strength, Shield Specialist,
Dagger Specialist, Archery Specialist, Robe Specialist, Fast Magic Recovery, Sixth Sense
""")
PASSIVE_MASTERY = W("""
Sword, Blunt, Bow, Dagger, Pole, Dual Weapon, Fist Weapon, Two-handed Sword, Two-handed Blunt,
Weapon, Heavy Armor, Light Armor, Robe, Shield, Armor, Spell, Magic, Summon, Fire Element,
Water Element, Wind Element, Earth Element, Dark Element, Holy Element, Elemental, Anti-Magic,
Crafting, Fishing, Archery, Boxing, Fencing, Smithing, Herbal, Alchemy, Sword and Shield, Mana,
Defense, Critical, Spirit
""")
RESIST_OF = W("""
Fire, Water, Wind, Earth, Dark, Holy, Bleeding, Paralysis, Sleep, Hold, Mental Attack, Aqua,
Curses, Death, Sacred Magic, Traps, Falling, Arrows, Daggers, Blunt Weapons, Pole Weapons, Magic,
Stun, Fear, Silence, Root, Slow, Chaos
""")
BOOST_OF = W("""
HP, MP, CP, Attack, Defense, Speed, Evasion, Accuracy, Attack Speed, Casting Speed, Critical Rate,
Critical Power, Magic Power, Magic Defense, Shield Defense, Recovery, Weight Limit, Breath,
Vitality, Shot Power, Mana Regeneration, Health Regeneration
""")
PASS_ADJ = W("""
Improved, Enhanced, Superior, Advanced, Focused, Hardened, Keen, Steady, Tireless, Endless, Inner,
Hidden, True, Deep, Natural, Primal, Sharpened, Fierce, Stoic, Unyielding, Relentless, Lucky,
Cunning, Blessed, Noble, Elder
""")
PASS_NOUN = W("""
Endurance, Reflexes, Stamina, Resilience, Instinct, Senses, Footwork, Grip, Balance, Willpower,
Constitution, Toughness, Agility, Recovery, Strength, Composure, Stance, Vision, Mind, Heart,
Nerve, Insight, Tenacity, Fortune
""")
CLASSES = W("""
Gladiator, Warlord, Paladin, Dark Avenger, Treasure Hunter, Hawkeye, Sorcerer, Necromancer,
Warlock, Bishop, Prophet, Temple Knight, Swordsinger, Plains Walker, Silver Ranger, Spellsinger,
Elemental Summoner, Elven Elder, Shillien Knight, Bladedancer, Abyss Walker, Phantom Ranger,
Spellhowler, Phantom Summoner, Shillien Elder, Destroyer, Tyrant, Overlord, Warcryer,
Bounty Hunter, Warsmith
""")
CLASS_TRAIT = W("Resolve, Instinct, Insight, Devotion, Fury, Patience, Vigor, Cunning, Discipline, Zeal, Pride")

SUMMON_OF = W("""
Kat the Cat, Mew the Cat, Kai the Cat, Feline Queen, Feline King, Boxer the Unicorn,
Mirage the Unicorn, Merrow the Unicorn, Magnus the Unicorn, Seraphim the Unicorn, Shadow,
Silhouette, Soulless, Reanimated Man, Corrupted Man, Cursed Man, Nightshade, Spectral Lord,
Big Boom, Wild Hog Cannon, Swoop Cannon, Siege Golem, Mechanic Golem, Dark Panther, Storm Hawk,
Ember Salamander, Frost Wolf, Stone Golem, Sea Serpent, Phantom Knight, Grave Warden,
Thunder Lynx, Ash Wraith, Moon Owl, Forest Guardian, Bone Hound, Crystal Spider, Iron Beetle,
Swamp Troll, Mist Dragon, Friend, Treasure Chest, Wolf Companion, Wisp, Lesser Imp, Sylph Dancer,
Water Spirit, Earth Spirit, Fire Spirit, Unicorn Foal, Spirit Wolf, Clockwork Soldier
""")
CUBICS = W("""
Life, Storm, Vampiric, Viper, Phantom, Binding, Aqua, Spark, Attractive, Smart, Poltergeist,
Fire, Ice, Thunder, Venom, Healing, Mirror, Shadow, Frost, Warding
""")
SERVITOR_OF = W("""
Heal, Recharge, Haste, Might, Shield, Magic Shield, Wind Walk, Empower, Cure, Blessing,
Physical Shield, Magic Boost, Share, Guard, Sacrifice, Hold, Stun, Cleanse, Focus, Guidance
""")
PET_SKILL_HAND = W("""
Transfer Pain, Mass Summon Storm Cubic, Gift of Seraphim, Gift of Queen, Blessing of Queen,
Blessing of Seraphim, Cure of Queen, Cure of Seraphim, Spirit Sharing, Mana Sharing,
Summon Attack, Pet Haste, Pet Might, Pet Shield, Pet Heal, Pet Recharge, Pet Bite, Pet Leap,
Pet Howl, Pet Wind Shackle, Hatchling Breath, Strider Dash, Strider Siege Assault, Wolf Howl,
Wolf Fangs, Buffalo Horn Charge, Cougar Pounce, Kookaburra Heal, Kookaburra Blessing,
Cannon Fodder, Self Destruct, Detonate, Salvage Parts, Cubic Mastery, Summon Friend, Summon Lore,
Spirit of the Pack, Tame Beast, Command Hunt, Feed Beast, Servitor Mastery, Summon Swap,
Summon Recall, Pet Scent Tracking, Hatchling Roar, Strider Stomp, Wolf Pack Hunt
""")
SA_OF = W("""
Focus, Health, Critical Damage, Haste, Guidance, Evasion, Back Blow, Quick Recovery, Cheap Shot,
Mana Up, Acumen, Conversion, Magic Power, Empower, Anger, Critical Poison, Critical Bleed,
Critical Stun, Critical Slow, Critical Anger, Risk Haste, Risk Evasion, Risk Focus, Light,
Long Blow, Wide Blow, Magic Hold, Magic Paralyze, Magic Weakness, Magic Poison, Magic Silence,
Magic Chaos, Magic Focus, Magic Damage, Magic Regeneration, Magic Mental Shield, Mental Shield,
Might Mortal, Bodily Blessing, Miser, Towering Blow, Vampiric Rage, HP Regeneration, HP Drain,
MP Regeneration, Accuracy, Great Focus
""")
ITEM_SKILL_HAND = W("""
Greater Healing Potion, Healing Potion, Lesser Healing Potion, Mana Potion, Greater Mana Potion,
Haste Potion, Greater Haste Potion, Swift Attack Potion, Greater Swift Attack Potion,
Magic Haste Potion, Elixir of Life, Elixir of Mind, Elixir of Combat, Antidote, Greater Antidote,
Bandage, Emergency Dressing, Scroll of Escape, Blessed Scroll of Escape, Scroll of Resurrection,
Blessed Scroll of Resurrection, Scroll of Recovery, Cursed Scroll of Teleport, Firework,
Large Firework, Energy Stone, Soulshot, Spiritshot, Blessed Spiritshot, Beast Soulshot,
Beast Spiritshot, Fishing Shot, Fishing Potion, Quick Step Potion, Bless of Eva,
Hero Weapon Power, Wedding Ring Teleport, Cat Ears Buff, Festival Mask Joy, Fireworks of Joy,
Pumpkin Feast, Strange Mushroom, Honey Cake, Rice Cake of Flaming Fighting Spirit,
Scroll of Guidance, Scroll of Wind Walk, Scroll of Mental Shield, Scroll of Haste, Scroll of Might,
Herb of Life, Herb of Mana, Herb of Power, Herb of Magic, Herb of Speed, Herb of Attack Speed,
Herb of Critical Attack, Herb of Casting Speed, Herb of Evasion, Superior Herb of Life,
Superior Herb of Mana, Crystallize Soul, Feed Strider, Wolf Food, Clan Oath Armor Box
""")
MOB_HAND = W("""
Raid Boss Fear, Raid Boss Curse, Raid Fury, Raid Petrification, Raid Silence, Boss Might,
Boss Haste, Boss Regeneration, Boss Berserk, Boss Teleport, Boss Summon Minions, Minion Call,
Clan Help, Call of the Pack, Mob Teleport, Mob Self Heal, Mob Mass Heal, Mob Root, Mob Sleep,
Mob Stun, Mob Paralysis, Hate Spread, Greater Hate, Poison Cloud, Acid Spray, Corrosive Spit,
Earthquake Stomp, Meteor Shower, Hellfire, Dark Storm, Death Wave, Life Steal, Soul Devour,
Shilen's Wrath, Queen's Scream, Lord's Command, Giant's Stomp, Dragon Fear, Dragon Tail,
Dragon Wing Buffet, Petrifying Glare, Bone Cage, Grave Chill, Rotting Touch, Swarm of Bats,
Spore Burst, Sandstorm, Quicksand, Whirlpool, Tidal Crash, Frost Nova, Blizzard, Lava Burst,
Magma Wave, Shadow Bind, Night Terror, Nightmare Touch, Mirror Image, Self Destruction,
Blood Frenzy, Last Stand, Stone Skin, Thorn Skin, Mana Shield, Spirit Link
""")


def doubled_word(name):
    """True for names like "Bone Knight Bone Fragment" that say a word twice."""
    ws = [w for w in name.lower().replace(":", " ").split() if w not in ("of", "the")]
    return len(ws) != len(set(ws))


def mix(rng, parts):
    """Merges (weight, names) lists into one order in which every list shows up
    about as often as its weight says; a name already met, or one that says a
    word twice, is dropped."""
    queues = []
    for weight, names in parts:
        names = list(dict.fromkeys(names))
        rng.shuffle(names)
        queues.append([weight, names])
    out, met = [], set()
    while any(q[1] for q in queues):
        live = [q for q in queues if q[1]]
        q = rng.choices(live, weights=[w for w, _ in live])[0]
        name = q[1].pop()
        if name not in met and not doubled_word(name):
            met.add(name)
            out.append(name)
    return out


def skill_pools(rng):
    """Candidate skill names for each mp6 section, best first, without repeats."""
    fighter = mix(rng, [
        (4, FIGHTER_HAND),
        (4, [f"{a} {n}" for a in ATK_ADJ for n in ATK_NOUN if a != n]),
        (4, [f"{a} {b} {n}" for a in COMBO_ADJ for b in COMBO_BEAST for n in COMBO_NOUN]),
    ])
    plain_spells, fancy_spells = [], []
    for elements, epithets in ELEMENT_GROUPS:
        for e in elements:
            for n in SPELL_NOUN:
                if n != e:
                    plain_spells.append(f"{e} {n}")
                    fancy_spells += [f"{a} {e} {n}" for a in epithets]
    magic = mix(rng, [
        (4, MAGIC_HAND),
        (4, plain_spells),
        (3, fancy_spells),
        (3, [f"{n} of {o}" for n in SPELL_NOUN for o in SPELL_OF if n != o]),
        # one spelling per curse: "Curse: Gloom" or "Curse of Gloom", never both
        (2, [f"Curse: {c}" if k % 2 else f"Curse of {c}" for k, c in enumerate(CURSE_OF)] +
            [f"Seal of {c}" for c in SEAL_OF]),
    ])
    buffs = mix(rng, [
        (3, BUFF_HAND),
        (6, [f"{f} of {v}" for f in BUFF_FORM for v in VIRTUES]),
        (2, [f"{f} of {possessive(d)} {g}" for f in DEITY_FORM for d in DEITIES for g in DEITY_GIFT]),
    ])
    passive = mix(rng, [
        (3, PASSIVE_HAND),
        (3, [f"{possessive(c)} {t}" for c in CLASSES for t in CLASS_TRAIT]),
        (2, [f"{m} Mastery" for m in PASSIVE_MASTERY]),
        (2, [f"Resist {r}" for r in RESIST_OF]),
        (1, [f"Boost {b}" for b in BOOST_OF]),
        (4, [f"{a} {n}" for a in PASS_ADJ for n in PASS_NOUN]),
    ])
    summon = mix(rng, [
        (3, PET_SKILL_HAND),
        (3, [f"Summon {s}" for s in SUMMON_OF]),
        (1, [f"Summon {c} Cubic" for c in CUBICS]),
        (1, [f"Servitor {s}" for s in SERVITOR_OF]),
    ])
    items = mix(rng, [
        (3, ITEM_SKILL_HAND),
        (2, [f"Special Ability: {s}" for s in SA_OF]),
        (2, [f"{s} Heavy Armor Set" for s in HEAVY_SETS] +
            [f"{s} Light Armor Set" for s in LIGHT_SETS] +
            [f"{s} Robe Set" for s in ROBE_SETS]),
    ])
    plain, qualified, roles = creature_attacks()
    mobs = mix(rng, [(2, MOB_HAND), (3, plain), (5, qualified), (3, roles)])

    out, seen = [], set()
    for pool in [fighter, magic, buffs, passive, summon, items, mobs]:
        uniq = [n for n in pool if n not in seen]
        seen.update(uniq)
        out.append(uniq)
    return out


MP6_FIRST = "конецформыначалоформы"
MP6_HEADINGS = [
    None,  # the first section starts on line 1, glued to the copy-paste artifact
    "Магия: атакующие заклинания, проклятия, лечение",
    "Баффы: благословения, песни, танцы, чанты, пророчества",
    "Пассивные скилы (мастерство, сопротивления, бонусы к статам)",
    "Призыв: саммоны, кубики, скилы питомцев и слуг",
    "Скилы предметов: зелья, свитки, травы, SA на оружии, бонусы сетов",
    "Скилы мобов и рейд-боссов (дать игроку: //add_skill ID уровень)",
]
MP6_COUNTS = [250, 280, 400, 360, 120, 170, 372]
# Lowest first id of each section; a section moves up when the one before runs into it.
MP6_STARTS = [1, 1000, 1800, 2600, 3400, 3700, 4100]


# ---------------------------------------------------------------------------
# Items (mp5)
# ---------------------------------------------------------------------------

MASK_FACES = W("""
Goblin, Orc, Ogre, Demon, Tiger, Wolf, Fox, Raven, Owl, Dragon, Lion, Panther, Bear, Boar, Skull,
Ghost, Jester, Tengu, Oni, Pumpkin, Plague Doctor, Feline, Gargoyle, Harlequin, Moon, Sun, Crow,
Masquerade, Carnival, Festival
""")
PARTY_COLORS = W("Red, Blue, Black, White, Golden, Silver, Pink, Green, Violet, Crimson")
HAIR_OWNERS = W("""
Hunter's, Bard's, Jester's, Sailor's, Noble's, Peasant's, Merchant's, Ranger's, Shepherd's,
Fisherman's, Blacksmith's, Alchemist's, Courtier's, Squire's, Herald's, Gambler's, Traveler's,
Monk's
""")
HAIR_WEAR = W("Hat, Cap, Hood, Bandana, Beret, Headband")
HAIR_MATERIAL = W("""
Silver, Golden, Pearl, Ivory, Jade, Coral, Amber, Ruby, Sapphire, Emerald, Crystal, Rose, Lily,
Daisy, Feather, Butterfly, Seashell
""")
HAIR_PIECE = W("Hairpin, Hair Ribbon, Hair Band, Tiara, Hair Comb, Diadem")
HAIR_HAND = W("""
Cat Ears, Rabbit Ears, Fox Ears, Wolf Ears, Raccoon Ears, Bear Ears, Deer Antlers,
Little Devil Horns, Little Angel Wings, Fairy Antenna, Angel Halo, Monocle, Round Glasses,
Horn Rimmed Glasses, Outlaw's Eyepatch, Goggles, Half Face Mask, Wizard Hat, Pirate Hat,
Feathered Hat, Straw Hat, Santa Hat, Chef Hat, Top Hat, Party Hat, Birthday Hat, Teddy Bear Hat,
Panda Hat, Penguin Hat, Chicken Hat, Wig, Afro Hair, Braided Wig, Mustache, Noblewoman's Hairpin,
Dandy's Hat, Hair Flower, Lily Wreath, Flower Crown, Sunflower Hairpin, Veil of the Bride,
Wedding Tiara, Mask of Silence, Iron Visor, Black Blindfold, Pumpkin Head
""")

WEAPON_KINDS = {
    "sword": (W("Sword, Long Sword, Broadsword, Saber, Scimitar, Falchion, Katana, Estoc, Rapier,"
                "Cutlass, Gladius, Shamshir, Bastard Sword"), "Blade"),
    "twohand": (W("Claymore, Greatsword, Flamberge, Zweihander, Great Blade"), "Blade"),
    "dagger": (W("Dagger, Knife, Stiletto, Kris, Dirk, Baselard, Poniard, Kukri"), "Blade"),
    "bow": (W("Bow, Long Bow, Composite Bow, Short Bow, Great Bow, Recurve Bow"), "Shaft"),
    "blunt": (W("Mace, Hammer, Club, Morning Star, Flail, War Hammer, Maul, Cudgel"), "Head"),
    "staff": (W("Staff, Rod, Wand, Scepter, Cane, Crook"), "Stave"),
    "pole": (W("Spear, Pike, Glaive, Halberd, Trident, Lance, Scythe, Partisan, Bardiche"), "Edge"),
    "fist": (W("Cestus, Knuckle, Claws, Fist Blade, Bagh Nakh"), "Rivets"),
}
# Who carries which kind of weapon.
WEAPON_OWNERS = {
    "sword": W("Knight's, Paladin's, Templar's, Crusader's, Mercenary's, Gladiator's, Duelist's,"
               "Champion's, Pirate's, Bandit's, Guard's, Warden's, Militia, Angel's, Demon's"),
    "twohand": W("Berserker's, Warlord's, Executioner's, Mercenary's, Gladiator's, Champion's,"
                 "Giant's, Titan's, Demon's, Crusader's"),
    "dagger": W("Assassin's, Bandit's, Hunter's, Duelist's, Pirate's, Ranger's, Mercenary's,"
                "Demon's, Thief's, Spy's"),
    "bow": W("Hunter's, Ranger's, Sniper's, Guard's, Warden's, Bandit's, Mercenary's, Angel's,"
             "Militia, Scout's"),
    "blunt": W("Inquisitor's, Priest's, Templar's, Warlord's, Giant's, Titan's, Shaman's,"
               "Pilgrim's, Crusader's, Militia"),
    "staff": W("Shaman's, Warlock's, Druid's, Oracle's, Sage's, Hermit's, Priest's, Apprentice's,"
               "Pilgrim's, Demon's, Angel's"),
    "pole": W("Knight's, Warlord's, Guard's, Warden's, Militia, Templar's, Executioner's,"
              "Giant's, Titan's, Dragoon's"),
    "fist": W("Gladiator's, Berserker's, Champion's, Duelist's, Mercenary's, Demon's, Titan's,"
              "Bandit's, Monk's"),
}
W_MATERIAL = W("""
Bone, Bronze, Iron, Steel, Silver, Mithril, Adamantite, Obsidian, Crystal, Elven, Dwarven,
Orcish, Dark Elven, Ancient, Cursed, Blessed, Heavy, Light, Crimson, Storm, Frost, Flame,
Thunder, Dragon, Royal, Sacred, Brass, Bloody, Black, Ivory, Rune, Tempered, Forged, Spiked,
Serrated, Gilded
""")
WOODEN_KINDS = ("bow", "staff", "blunt", "pole")
W_SUFFIX = W("""
Revolution, Nightmares, the Abyss, Delusion, Fortune, Mercy, Wrath, Despair, Eclipse, Dawn, Dusk,
Twilight, the Storm, Thunder, Frost, Flames, Ashes, the Damned, Souls, Kings, Heroes, Titans,
Giants, the Deep, Sorrow, Vengeance, Judgment, Ruin, Silence, Whispers, the Moon, the Sun, Stars,
Winds, Ages, Agony, Limit, Destruction, Life, Death, Valor, Truth, Faith, Justice, Omens,
Prophecy, Ice, Sand, Requiem, Miracles, Blood
""")
W_HAND = W("""
Duskreaver, Wyrmcleaver, Moonsplitter, Thornbiter, Gravecaller, Runeweaver, Starpiercer,
Ironfang, Grimspike, Emberfall, Hollow Fang, Heart of Winter, Widow's Kiss, Tears of the Sea,
Breath of the Mountain, Spirit Caller, Horn of Ages, Crystallized Ice Bow, Homunkulus's Sword,
Dark Screamer, Soul Separator, Demon Splinter, Hell Knife, Kaim Vanul's Bones, Sirra's Blade,
Arcana Mace, Draconic Bow, Angel Slayer, Basalt Battlehammer, Imperial Staff, Forgotten Blade,
Heaven's Divider, Tallum Blade, Dragon Hunter Axe, Saint Spear, Shyeed's Bow, Sobekk's Hurricane,
Tiphon's Spear, Themis' Tongue, Cabrio's Hand, Fisherman's Harpoon, Lumberjack's Axe,
Butcher's Cleaver, Woodcutter's Hatchet, Training Sword, Practice Bow, Novice's Wand
""")

HEAVY_SETS = W("""
Brigandine, Highguard, Ashen Knight, Bulwark, Templar, Zubei's, Composite, Blue Wolf, Doom,
Dark Crystal, Tallum, Nightmare, Majestic, Imperial Crusader, Avadon, Ironclad, Warden's,
Bloodforged, Oathkeeper's, Grey Lion, Black Ore, Vanguard, Sentinel, Obsidian, Dragonbone,
Knight Commander, Crimson Bastion, Stonewall
""")
LIGHT_SETS = W("""
Shadow Walker, Swift Wind, Drake Hide, Wyvern Scale, Night Stalker, Forest Ranger,
Salamander Skin, Basilisk Hide, Moonshadow, Silver Fox, Dusk Runner, Manticore Skin,
Serpent Scale, Raider's, Scout's, Outrider's, Plated, Mithril Weave, Draconic, Windrunner
""")
ROBE_SETS = W("""
Demon's, Divine, Karmian, Major Arcana, Elemental, Phoenix, Archmage's, Moonweave, Star Silk,
Sage's, Mystic, Seer's, Oracle's, Runeweaver's, Astral, Twilight, Celestial, Apprentice's,
Devotion, Tower Keeper's
""")
ARMOR_PIECES = {
    "heavy": (W("Breastplate, Gaiters, Helmet, Gauntlets, Boots, Shield"), "Plate Armor"),
    "light": (W("Leather Armor, Leggings, Leather Cap, Leather Gloves, Leather Boots"), "Leather Suit"),
    "robe": (W("Tunic, Stockings, Hood, Gloves, Shoes"), "Robe"),
}
ARMOR_PART = {
    "Breastplate": "Part", "Gaiters": "Part", "Helmet": "Design", "Gauntlets": "Part",
    "Boots": "Design", "Shield": "Fragment", "Leather Armor": "Texture", "Leggings": "Texture",
    "Leather Cap": "Design", "Leather Gloves": "Part", "Leather Boots": "Lining", "Tunic": "Fabric",
    "Stockings": "Fabric", "Hood": "Pattern", "Gloves": "Lining", "Shoes": "Lining",
    "Plate Armor": "Part", "Leather Suit": "Texture", "Robe": "Fabric",
}
METAL_MATERIAL = W("Bronze, Copper, Iron, Steel, Mithril, Elven, Dwarven, Bone, Reinforced, Rusty, Ornate, Tempered")
METAL_PIECE = W("Helmet, Gauntlets, Boots, Breastplate, Gaiters, Bracers, Greaves, Vambraces")
SOFT_MATERIAL = W("Leather, Hard Leather, Studded Leather, Padded, Quilted, Tattered, Crafted, Silk, Linen, Wool, Cotton")
SOFT_PIECE = W("Cap, Hood, Gloves, Boots, Sandals, Shoes, Leggings, Stockings, Tunic, Shirt, Pants, Jacket, Cloak, Belt")
SHIELDS_HAND = W("""
Buckler, Round Shield, Kite Shield, Tower Shield, Square Shield, Hoplon, Knight's Shield,
Eldarake, Dragon Scale Shield, Aspis, Targe, Pavise, Absolute Shield, Shield of Nightmare,
Dark Crystal Shield, Imperial Crusader Shield, Wooden Shield, Leather Shield
""")

JEWEL_X = W("""
Solar Eclipse, Black Ore, Phoenix, Nassen, Tiger's Eye, Moonstone, Sage's, Elven, Dwarven,
Enchanted, Cat's Eye, Red Crescent, Blue Diamond, Onyx Beast, Tateossian, Majestic, Heavenly,
Mystic, Tarnished, Obsidian, Raven, Crimson, Starlight, Amber, Serpent, Windsong, Thunderstone,
Ancient
""")
JEWEL_OF = W("Valor, Wisdom, Anguish, Protection, Devotion, Mana, Binding, Aid, Blessing, Confusion, Summoning, Inferno")
JEWEL_BOSS = W("""
Ring of Core, Earring of Orfen, Ring of Queen Ant, Necklace of Frintezza, Earring of Zaken,
Ring of Baium, Earring of Antharas, Necklace of Valakas
""")
JEWEL_HAND = W("""
Apprentice's Earring, Magic Ring, Wedding Ring, Mermaid's Necklace, Necklace of Darkness,
Ring of Knowledge, Sea Pearl Necklace, Coral Earring
""")

TOWNS = W("""
Talking Island Village, Elven Village, Dark Elven Village, Orc Village, Dwarven Village,
Gludin Village, Gludio, Dion, Giran, Oren, Aden, Heine, Hunters Village, Goddard, Rune,
Floran Village, Schuttgart, Giran Harbor, Ivory Tower, Hardin's Academy
""")
GRADES = W("D, C, B, A, S")
CONSUMABLE_HAND = W("""
Healing Potion, Lesser Healing Potion, Greater Healing Potion, Mana Potion, Greater Mana Potion,
Haste Potion, Greater Haste Potion, Swift Attack Potion, Greater Swift Attack Potion,
Magic Haste Potion, Potion of Alacrity, Potion of Acumen, Potion of Might, Potion of Clarity,
Potion of Vigor, Potion of Recovery, Elixir of Life, Elixir of Mind, Elixir of Combat,
Elixir of Strength, Elixir of Defense, Elixir of Fortune, Antidote, Greater Antidote, Bandage,
Emergency Dressing, Quick Step Potion, Blessed Scroll of Escape, Scroll of Resurrection,
Blessed Scroll of Resurrection, Scroll of Recovery, Cursed Scroll of Teleport,
Scroll of Escape to Clan Hall, Scroll of Escape to Castle, Beast Soulshot, Beast Spiritshot,
Blessed Beast Spiritshot, Wooden Arrow, Bone Arrow, Fine Steel Arrow, Silver Arrow,
Mithril Arrow, Shining Arrow, Firework, Large Firework, Energy Stone, Spirit Ore, Soul Ore,
Honey Cake, Roasted Boar Meat, Fresh Milk, Bread of the Road, Dried Fish, Herb Tea,
Strange Mushroom, Pumpkin Pie, Rice Cake, Scroll of Guidance, Scroll of Wind Walk,
Scroll of Mental Shield, Scroll of Haste, Scroll of Might, Scroll of Shield, Scroll of Focus,
Scroll of Empower, Scroll of Acumen, Scroll of Berserker Spirit, Scroll of Magic Barrier,
Scroll of Bless the Body, Scroll of Bless the Soul, Scroll of Death Whisper,
Scroll of Regeneration, Scroll of Agility, Scroll of Concentration, Mana Herb, Life Herb,
Herb of Speed, Herb of Power, Herb of Magic, Herb of Evasion, Herb of Vampiric Rage, Healing Drug,
Mana Drug, Quick Healing Potion, Lesser Mana Potion, Potion of Critical Escape, Scroll of Light,
Scroll of Pain Relief, Torch, Clan Oath Armor Box, Gift Box of Eva
""")
GRADED_CONSUMABLES = (
    [f"Scroll: Enchant Weapon ({g})" for g in GRADES] +
    [f"Scroll: Enchant Armor ({g})" for g in GRADES] +
    [f"Blessed Enchant Weapon ({g})" for g in GRADES] +
    [f"Blessed Enchant Armor ({g})" for g in GRADES] +
    [f"Crystal Enchant Weapon ({g})" for g in ("A", "S")] +
    [f"Soulshot: {g}" for g in ["No Grade"] + [f"{x}-grade" for x in GRADES]] +
    [f"Spiritshot: {g}" for g in ["No Grade"] + [f"{x}-grade" for x in GRADES]] +
    [f"Blessed Spiritshot: {x}-grade" for x in GRADES]
)

MATERIAL_BASIC = W("""
Animal Bone, Animal Skin, Coal, Charcoal, Iron Ore, Silver Nugget, Mithril Ore, Adamantite Nugget,
Oriharukon Ore, Stone of Purity, Varnish, Thread, Suede, Asofe, Thons, Enria, Spider Silk,
Glowing Moss, Quicksilver, Sulfur, Resin, Beeswax, Crystal: D-Grade, Crystal: C-Grade,
Crystal: B-Grade, Crystal: A-Grade, Crystal: S-Grade, Gemstone D, Gemstone C, Gemstone B,
Gemstone A, Gemstone S, Blue Crystal Shard, Red Crystal Shard, Green Crystal Shard
""")
# Materials that a crafter makes from others: these get recipes.
MATERIAL_CRAFTED = W("""
Coarse Bone Powder, Steel, Leather, Cord, Braided Hemp, Cokes, High Grade Suede, Compound Braid,
Metallic Thread, Metallic Fiber, Crafted Leather, Steel Mold, Mithril Alloy, Artisan's Frame,
Blacksmith's Frame, Oriharukon, Silver Mold, Varnish of Purity, Synthetic Cokes, Mold Glue,
Mold Lubricant, Mold Hardener, Maestro Holder, Maestro Anvil Lock, Maestro Mold, Craftsman Mold,
Durable Metal Plate, Reinforcing Plate, Metal Hardener, Warsmith's Mold, Warsmith's Holder,
Arcsmith's Anvil, Tempered Iron Bar, Wyvern Sinew Cord
""")

NPCS = W("""
Grelvin, Maresh, Tobric, Hallik, Ormund, Ludrik, Selvane, Morwick, Jaspen, Kiriel, Bastrom,
Fendrel, Galwin, Harkon, Iselda, Jorund, Kessa, Lorvan, Marek, Nolwen, Oswin, Perrin, Quellan,
Rusko, Sabrel, Tavik, Ulrec, Varnel, Wendric, Yorath, Zelvin, Aldric, Brenna, Corvin, Dalmar,
Elsin, Feyra, Gorvak, Hesket, Ingra
""")
NPC_THING = W("Letter, Receipt, Token, Medal, Ring, Journal, Map, Necklace, Seal, Request, Dagger, Key, Potion, Charm, Bracelet, Diary, Pouch, Box")
QUEST_MARK = W("""
Faith, Pilgrim, Trust, Challenger, Duelist, Prosperity, Glory, Champion, Sagittarius, Witchcraft,
Summoner, Life, Fate, Searcher, Guildsman, Lord, Scar, Heritage, Avenger, Healer, Reformer,
Maestro, Warspirit, Seeker, Duty, Sorcery, Shadows, Vigil, Patience, Esquire
""")
QUEST_OF = W("Proof of, Certificate of, Token of, Seal of, Badge of, Emblem of, Order of")
QUEST_OF_X = W("""
Courage, Loyalty, Justice, Endurance, Wisdom, Purity, Wealth, Hunting, Passage, Victory, Service,
Debt, Valor, Blood, Alliance, the Guild, the Temple, the Council
""")
QUEST_HAND = W("""
Sealed Scroll of the Oracle, Torn Page of the Chronicle, Ancient Map Fragment, Broken Compass,
Rusted Key, Bundle of Herbs, Sack of Grain, Empty Vial, Vial of Holy Water, Crystal of Memory,
Old Coin, Unknown Scroll, Clay Tablet, Fallen Angel's Tear, Dragon Egg Shell, Holy Grail Shard,
Mark of the Hunters Guild, Blood Oath, Castle Mercenary Ticket, Lord's Crown, Cursed Doll,
Tarnished Crown, Broken Harp String, Wanted Poster, Bloodstained Letter, Prison Key,
Smuggler's Ledger, Mysterious Powder, Stolen Necklace, Lost Diary Page, Hunter's Tally Sheet,
Bounty Notice, Sealed Coffin Key, Temple Offering Box, Pilgrim's Candle, Ancient Idol,
Shard of Moonstone, Ritual Dagger, Black Feather Quill, Charred Bone, Faded Portrait,
Rotten Bread, Empty Wine Bottle, Witch's Cauldron Lid, Bag of Seeds, Miner's Lamp,
Guild Registration Paper, Tax Ledger, Sealed Envelope, Broken Shackles, Orc War Horn,
Spider Queen's Silk, Frozen Tear, Lighthouse Key, Signed Contract, Map of the Catacombs,
Ledger of the Black Market, Wooden Holy Symbol, Unopened Letter, Dwarven Trade Seal
""")

PET_HAND = W("""
Wolf Collar, Dragonflute of Wind, Dragonflute of Star, Dragonflute of Twilight, Strider of Wind,
Strider of Star, Strider of Twilight, Baby Buffalo Panpipe, Baby Cougar Chime,
Baby Kookaburra Ocarina, Food for Wolves, Food for Hatchling, Food for Strider,
Food for Buffalo, Food for Cougar, Food for Kookaburra, Pet Name Tag, Pet Whistle,
Leather Saddle, Strider Saddle, Mithril Bridle, Wolf Harness, Hatchling Armor, Strider Barding,
Wolf Armor, Hatchling's Claws, Strider Horn Cap, Fishing Shot: No Grade, Fishing Shot: D-grade,
Fishing Shot: C-grade, Fishing Shot: B-grade, Fishing Shot: A-grade, Fishing Shot: S-grade,
Fishing Potion, Fish Oil, Fishing Manual, Fishing Net, Fishing Line, Fish Hook, Bait Bucket,
Old Box of Treasure, Small Box of Treasure, Big Box of Treasure, Wolf Brush, Pet Blanket,
Hatchling Nest, Strider Feed Bag, Wolf Chew Bone, Pet Healing Salve, Pet Revival Feather,
Angler's Hat, Tackle Box, Fish Scale Polish
""")
ROD_WOOD = W("Willow, Yew, Oak, Ash, Maple, Bamboo, Ebony, Birch, Linden, Pine, Cedar, Rosewood")
LURE_KIND = W("Red, Green, Purple, Luminous Red, Luminous Green, Luminous Purple, Feather, Silver, Golden, Night, Sinking, Spinner")
FISH_ADJ = W("Nimble, Fat, Ugly, Golden, Spotted, Striped, Hungry, Sleepy, Giant, Tiny, Armored, Lucky")
FISH = W("Carp, Pike, Trout, Bass, Perch, Eel, Catfish, Salmon, Sturgeon, Flounder, Mackerel, Grouper")

MP5_TITLE = "ID Масок и Акссесуаров : - Для всех"
MP5_INTRO = ["Выдать себе предмет: //create_item ID число"]
MP5_HEADINGS = [
    "Маски и аксессуары для волос:",
    "Оружие:",
    "Броня, щиты и части сетов:",
    "Бижутерия (ожерелья, серьги, кольца):",
    "Расходники: зелья, свитки, заряды, еда:",
    "Материалы и ключевые части для крафта:",
    "Рецепты:",
    "Квестовые предметы:",
    "Питомцы и рыбалка:",
    "Книги скилов и амулеты:",
]
MP5_COUNTS = [140, 430, 380, 120, 140, 199, 130, 230, 80, 30]
MP5_STARTS = [6300, 1, 2000, 3500, 4000, 4500, 5000, 7100, 7400, 7600]


def weapon_names():
    """(name, part) pairs; part is None where a key part would read badly."""
    materials, suffixed, owned = [], [], []
    for kind, (types, part) in WEAPON_KINDS.items():
        mats = W_MATERIAL + (["Wooden"] if kind in WOODEN_KINDS else [])
        for t in types:
            for m in mats:
                # no doubled word: "Great Greatsword", "Great Great Bow"
                if m.lower() not in t.lower():
                    materials.append((f"{m} {t}", f"{m} {t} {part}"))
            suffixed += [(f"{t} of {s}", None) for s in W_SUFFIX]
            owned += [(f"{o} {t}", f"{o} {t} {part}") for o in WEAPON_OWNERS[kind]]
    return materials, suffixed, owned


def armor_sets(rng):
    sets = []
    for kind, names in (("heavy", HEAVY_SETS), ("light", LIGHT_SETS), ("robe", ROBE_SETS)):
        pieces, one_piece = ARMOR_PIECES[kind]
        for s in names:
            chosen = pieces if rng.random() < 0.7 else [one_piece] + pieces[2:]
            sets.append([f"{s} {p}" for p in chosen])
    return sets


def armor_part(name):
    piece = max((p for p in ARMOR_PART if name.endswith(" " + p)), key=len)
    return f"{name} {ARMOR_PART[piece]}"


def item_pools(rng, skills_spells, skills_buffs):
    masks = mix(rng, [
        (4, HAIR_HAND),
        (3, [f"{f} Mask" for f in MASK_FACES]),
        (1, [f"{c} Party Mask" for c in PARTY_COLORS]),
        (2, [f"{o} {w}" for o in HAIR_OWNERS for w in HAIR_WEAR]),
        (3, [f"{m} {p}" for m in HAIR_MATERIAL for p in HAIR_PIECE]),
    ])
    materials, suffixed, owned = weapon_names()
    weapons = mix(rng, [(2, W_HAND), (4, [n for n, _ in materials]), (3, [n for n, _ in suffixed]),
                        (3, [n for n, _ in owned])])
    loose = mix(rng, [(2, SHIELDS_HAND),
                      (3, [f"{m} {p}" for m in METAL_MATERIAL for p in METAL_PIECE]),
                      (3, [f"{m} {p}" for m in SOFT_MATERIAL for p in SOFT_PIECE])])
    jewels = mix(rng, [
        (1, JEWEL_BOSS + JEWEL_HAND),
        (3, [f"{x} {k}" for x in JEWEL_X for k in ("Necklace", "Earring", "Ring")]),
        (2, [f"{k} of {x}" for x in JEWEL_OF for k in ("Necklace", "Earring", "Ring")]),
    ])
    consumables = mix(rng, [(5, CONSUMABLE_HAND), (2, GRADED_CONSUMABLES),
                            (1, [f"Scroll of Escape: {t}" for t in TOWNS])])
    drops = mix(rng, [(1, creature_parts())])
    quest = mix(rng, [
        (3, QUEST_HAND),
        (3, [f"{possessive(n)} {t}" for n in NPCS for t in NPC_THING]),
        (1, [f"Letter to {n}" for n in NPCS]),
        (2, [f"Mark of {m}" for m in QUEST_MARK]),
        (2, [f"{q} {x}" for q in QUEST_OF for x in QUEST_OF_X]),
        (2, [f"{c} {p}" for c in KINDS["humanoid"]["creatures"] for p in QUEST_BODY]),
    ])
    pets = mix(rng, [
        (5, PET_HAND),
        (1, [f"{w} Fishing Rod" for w in ROD_WOOD]),
        (1, [f"{k} Lure" for k in LURE_KIND]),
        (2, [f"{a} {f}" for a in FISH_ADJ for f in FISH]),
    ])
    books = mix(rng, [(1, [f"Spellbook: {s}" for s in skills_spells if ":" not in s]),
                      (1, [f"Amulet: {s}" for s in skills_buffs])])
    return dict(masks=masks, weapons=weapons, loose=loose, jewels=jewels, consumables=consumables,
                drops=drops, quest=quest, pets=pets, books=books)


# ---------------------------------------------------------------------------
# Assembly
# ---------------------------------------------------------------------------

def ids_from(rng, start, count):
    out, cur = [], start
    for _ in range(count):
        out.append(cur)
        cur += rng.choice((1, 1, 1, 1, 2, 2, 3, 4, 5))
    return out


def section_ids(rng, starts, counts):
    """Ascending ids for each section; a section whose nominal start is already
    taken by the one below it moves up to the next free hundred."""
    out = [None] * len(starts)
    floor = 0
    for idx in sorted(range(len(starts)), key=lambda k: starts[k]):
        start = max(starts[idx], (floor + 99) // 100 * 100)
        out[idx] = ids_from(rng, start, counts[idx])
        floor = out[idx][-1] + 10
    return out


def take_unique(pool, count, seen, fits):
    """The first `count` names of pool not yet used anywhere and fitting the line."""
    chosen = []
    for name in pool:
        if len(chosen) == count:
            break
        if name in seen or not fits(name):
            continue
        seen.add(name)
        chosen.append(name)
    if len(chosen) != count:
        raise SystemExit(f"pool too small: wanted {count}, got {len(chosen)}")
    return chosen


def tune(sections, pools, want_chars, fmt, limit, seen, rng):
    """Swaps names of the sections that have a pool for unused names of that pool
    until the entries add up to want_chars characters.  Only names that came from
    the pool are swapped: hand-kept entries stay."""
    diff = want_chars - sum(len(fmt(i, n)) for sec in sections for i, n in sec)
    tunable = [s for s, p in enumerate(pools) if p]
    swappable = [set(p) if p else set() for p in pools]
    tries = 0
    while diff != 0:
        tries += 1
        if tries > 200000:
            raise SystemExit(f"cannot tune, still {diff:+d}")
        s = rng.choice(tunable)
        pos = rng.randrange(len(sections[s]))
        ident, old = sections[s][pos]
        if old not in swappable[s]:
            continue
        step = max(-3, min(3, diff))
        for name in pools[s]:
            if name not in seen and len(name) == len(old) + step and len(fmt(ident, name)) <= limit:
                seen.discard(old)
                seen.add(name)
                sections[s][pos] = (ident, name)
                diff -= step
                break


def build_mp6(rng):
    pools = skill_pools(rng)
    lines_want, chars_want, longest = MP6_SHAPE
    assert sum(MP6_COUNTS) + 2 * (len(MP6_HEADINGS) - 1) == lines_want
    fmt = lambda i, n: f"{i}={n}"
    seen = {"Triple Slash"}
    ids = section_ids(rng, MP6_STARTS, MP6_COUNTS)
    sections = []
    for idx, count in enumerate(MP6_COUNTS):
        if idx == 0:  # the list opens with 1=Triple Slash
            names = ["Triple Slash"] + take_unique(pools[0], count - 1, seen, lambda n: True)
        else:
            names = take_unique(pools[idx], count, seen, lambda n: True)
        sections.append(list(zip(ids[idx], names)))
    fixed = len(MP6_FIRST) + sum(len(h) for h in MP6_HEADINGS if h)
    tune(sections, pools, chars_want - fixed, fmt, longest - 1, seen, rng)

    out = []
    for heading, entries in zip(MP6_HEADINGS, sections):
        if heading:
            out += ["", heading]
        out += [fmt(i, n) for i, n in entries]
    out[0] = MP6_FIRST + out[0]
    return out, sections


def build_mp5(rng, skill_sections):
    spells = [n for _, n in skill_sections[1]]
    buffs = [n for _, n in skill_sections[2]]
    pools = item_pools(rng, spells, buffs)
    lines_want, chars_want, longest = MP5_SHAPE
    assert 1 + len(MP5_INTRO) + 2 * len(MP5_HEADINGS) + sum(MP5_COUNTS) == lines_want
    fmt = lambda i, n: f"{i} - {n}"
    limit = longest - 1  # the intro line is the single longest line
    fits = lambda n: len(fmt(9999, n)) <= limit
    seen = set()
    names = {}

    # Weapons and armor first: key parts and recipes refer to them.
    names["weapons"] = take_unique(pools["weapons"], MP5_COUNTS[1], seen, fits)
    sets = armor_sets(rng)
    for group in sets:
        seen.update(group)
    loose = take_unique(pools["loose"], MP5_COUNTS[2] - sum(map(len, sets)), seen, fits)
    blocks = [[n] for n in loose] + sets  # a set's pieces stay together
    rng.shuffle(blocks)
    names["armor"] = [n for b in blocks for n in b]
    names["jewels"] = take_unique(pools["jewels"], MP5_COUNTS[3], seen, fits)
    names["consumables"] = take_unique(pools["consumables"], MP5_COUNTS[4], seen, fits)

    weapon_part = {n: p for n, p in sum(weapon_names(), []) if p}
    parts = [weapon_part[n] for n in names["weapons"] if n in weapon_part]
    parts += [armor_part(n) for g in sets for n in g]
    rng.shuffle(parts)
    mats = MATERIAL_BASIC + MATERIAL_CRAFTED + take_unique(parts, 50, seen, fits)
    seen.update(MATERIAL_BASIC + MATERIAL_CRAFTED)
    mats += take_unique(pools["drops"], MP5_COUNTS[5] - len(mats), seen, fits)
    rng.shuffle(mats)
    names["materials"] = mats

    boss = set(JEWEL_BOSS)
    crafted = names["weapons"] + [n for g in sets for n in g] + \
        [n for n in names["jewels"] if n not in boss] + \
        [n for n in names["consumables"] if any(w in n for w in ("Potion", "Elixir", "Arrow"))]
    rng.shuffle(crafted)
    crafted = MATERIAL_CRAFTED[:12] + crafted
    names["recipes"] = take_unique([f"Recipe: {n}" for n in crafted], MP5_COUNTS[6], seen, fits)
    rng.shuffle(names["recipes"])

    names["quest"] = take_unique(pools["quest"], MP5_COUNTS[7], seen, fits)
    names["pets"] = take_unique(pools["pets"], MP5_COUNTS[8], seen, fits)
    names["books"] = take_unique(pools["books"], MP5_COUNTS[9], seen, fits)
    names["masks"] = take_unique(pools["masks"], MP5_COUNTS[0], seen, fits)

    order = ["masks", "weapons", "armor", "jewels", "consumables", "materials",
             "recipes", "quest", "pets", "books"]
    ids = section_ids(rng, MP5_STARTS, MP5_COUNTS)
    sections = [list(zip(ids[k], names[key])) for k, key in enumerate(order)]
    all_ids = [i for sec in sections for i, _ in sec]
    assert len(all_ids) == len(set(all_ids)), "item ids overlap between sections"

    fixed = len(MP5_TITLE) + sum(map(len, MP5_INTRO)) + sum(map(len, MP5_HEADINGS))
    tune_pools = [pools["masks"], None, None, None, None, pools["drops"], None, pools["quest"],
                  pools["pets"], None]
    tune(sections, tune_pools, chars_want - fixed, fmt, limit, seen, rng)

    out = [MP5_TITLE] + MP5_INTRO
    for heading, entries in zip(MP5_HEADINGS, sections):
        out += ["", heading]
        out += [fmt(i, n) for i, n in entries]
    return out


def write(key, lines, longest):
    assert max(map(len, lines)) == longest, (key, max(map(len, lines)))
    assert sum(1 for l in lines if len(l) == longest) == 1, key
    sep = "=" if key == "mp6" else " - "
    names = [l.split(sep, 1)[1] for l in lines if l.split(sep, 1)[0].lstrip(MP6_FIRST).isdigit()]
    assert len(names) == len(set(names)), f"{key}: a name is listed twice"
    (ARTICLES / f"{key}.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")


def main():
    rng = random.Random(20070415)
    mp6, skill_sections = build_mp6(rng)
    mp5 = build_mp5(rng, skill_sections)
    write("mp6", mp6, MP6_SHAPE[2])
    write("mp5", mp5, MP5_SHAPE[2])


if __name__ == "__main__":
    main()
