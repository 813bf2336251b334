"""The special word list: 27 categories collected from WordNet's structure.

Each category unites WordNet synsets found by
  hypo  the hyponym closure of a synset (kinds of phobia, of dance, ...),
  dom   the members of a topic domain (music, theatre, psychology, ...),
  lex   a lexicographer file (noun.time, noun.shape),
  attr  adjectives WordNet gives as values of an attribute (taste, odour),
  ends  lemmas ending in a combining form (-phobia, -mania),
  words a hand-picked list, each word taken in its commonest sense of the
        given part of speech, or in sense N where written "word.N".
A synset is given as "lemma.pos.sense", WordNet's sense number."""

import re

import usage

# In the order of the Intelli Select window's category list: a row's groupid
# is its category's position here, counted from 1.
NAMES = [
    "Anthropology", "Aroma", "Crime", "Dance", "Death", "Dimension", "Eating",
    "Education", "Fights", "Gods", "Language", "Literature", "Mania", "Music",
    "Mythology", "Personality Traits", "Phobias", "Place", "Psychological",
    "Religion", "Sculpture", "Shapes", "Sociology", "Taste", "Theatre", "Time",
    "Violence",
]

MIN_PER_CATEGORY = 30
# Few enough that most entries carry an example sentence.
MAX_PER_CATEGORY = 50

# Categories whose members may be names: gods and heroes are known by them.
PROPER_NAMES_ALLOWED = {"Gods", "Mythology"}
# Categories of learned coinages (acrophobia, kleptomania) and names, which
# word lists for spelling leave out: WordNet alone vouches for them.
ANY_LEVEL = {"Gods", "Mythology", "Phobias", "Mania"}
# A word found through WordNet's structure with more senses than this is a
# general word whose category sense is a side use (air, back, flat).
MAX_SENSES = 3

ANCHORS = {
    "Anthropology": {
        "dom": ["anthropology.n.1", "archeology.n.1", "ethnography.n.1"],
        "hypo": ["kin_group.n.1", "marriage.n.1", "ritual.n.1"],
        "words": "n: acculturation anthropologist artifact australopithecine "
                 "caste clan cannibalism culture ethnology ethnocentrism exogamy endogamy "
                 "fetish folklore hominid kinship lineage matriarchy matrilineage moiety "
                 "nomad patriarchy polyandry polygamy polygyny shaman "
                 "shamanism taboo totem totemism tribe tribalism animism ancestor "
                 "anthropophagy ethnic neanderthal potlatch rite sept",
    },
    "Aroma": {
        "hypo": ["odor.n.1", "odor.n.2", "perfume.n.1", "incense.n.1"],
        "attr": ["odor.n.1"],
        "words": "n: attar ambergris balsam bouquet camphor censer civet effluvium "
                 "frankincense miasma musk myrrh nosegay patchouli potpourri "
                 "sachet sandalwood thurible scent.1 fragrance aroma redolence olfaction perfumer; "
                 "a: aromatic fragrant fetid malodorous musky musty noisome.2 odoriferous "
                 "odorous olfactory pungent rancid redolent acrid  scentless.2 "
                 "perfumed rank; v: reek stink waft sniff  perfume deodorize",
    },
    "Crime": {
        "hypo": ["crime.n.1", "criminal.n.1"],
        "dom": ["crime.n.1"],
        "words": "n: arson extortion embezzlement larceny perjury sedition treason "
                 "racketeering forgery burglary homicide manslaughter accomplice "
                 "malefactor miscreant felon recidivist culprit perpetrator scofflaw "
                 "vandal poacher smuggler contraband bootlegger swindler charlatan "
                 "mountebank brigand highwayman desperado alibi abduction "
                 "bribery fraud; a: felonious culpable nefarious illicit; "
                 "v: abet embezzle extort pilfer purloin filch defraud swindle abscond"
    },
    "Dance": {
        "hypo": ["dance.n.3", "dancer.n.1", "ball.n.4"],
        "dom": ["ballet.n.1", "dancing.n.1"],
        "words": "n: choreography choreographer ballerina pirouette arabesque "
                 "tutu terpsichore ballroom partner; a: terpsichorean balletic; "
                 "v: waltz pirouette caper prance shimmy tango",
    },
    "Death": {
        "hypo": ["death.n.1", "death.n.3", "killing.n.2", "funeral.n.1", "burial.n.1",
                 "corpse.n.1", "grave.n.1", "mourning.n.1"],
        "words": "n: cadaver carcass casket catafalque cemetery coffin cortege cremation "
                 "crematorium crypt demise elegy embalmer epitaph hearse "
                 "interment mausoleum mortality mortician necropolis obituary "
                 "ossuary pall pallbearer requiem sarcophagus sepulcher shroud tomb "
                 "undertaker wake widow widower threnody dirge autopsy necropsy "
                 "martyrdom mortuary morgue bereavement condolence decedent legacy "
                 "testament executor euthanasia; "
                 "a: moribund posthumous lethal mortal funereal deceased defunct "
                 "sepulchral terminal fatal deathless immortal elegiac; "
                 "v: perish expire.2 bereave inter exhume embalm cremate entomb mourn decease",
    },
    "Dimension": {
        "hypo": ["dimension.n.1", "size.n.1", "linear_unit.n.1", "magnitude.n.1"],
        "attr": ["length.n.1", "width.n.1", "height.n.1", "depth.n.1", "size.n.1",
                 "thickness.n.1"],
        "words": "n: altitude amplitude area breadth bulk capacity circumference "
                 "diameter dimension expanse.3 extent girth latitude longitude magnitude "
                 "perimeter proportion radius scale.2 span.2 stature vastness volume; "
                 "a: colossal diminutive gargantuan immense infinitesimal lilliputian "
                 "massive microscopic.4 minuscule.3 monumental voluminous capacious "
                 "commodious cavernous elongated spacious",
    },
    "Eating": {
        "hypo": ["eating.n.1", "meal.n.1", "eat.v.1", "eater.n.1", "feed.v.2"],
        "words": "n: appetite gourmand gourmet glutton gluttony epicure gastronomy "
                 "gastronome repast victuals viands sustenance nourishment fare "
                 "banquet feast collation refection morsel cuisine voracity satiety "
                 "hunger famine abstinence fasting diet; "
                 "a: edible comestible inedible voracious ravenous gluttonous "
                 "omnivorous carnivorous herbivorous insectivorous famished "
                 "replete gustatory alimentary digestible culinary prandial postprandial "
                 "succulent palatable; "
                 "v: devour gorge gobble masticate munch nibble dine feast graze sup "
                 "ingest consume savor relish guzzle",
    },
    "Education": {
        "hypo": ["education.n.1", "education.n.4", "educator.n.1", "school.n.1",
                 "academic_degree.n.1", "student.n.1", "course.n.1"],
        "words": "n: academe academia academician alumnus alumna curriculum "
                 "dissertation erudition faculty graduate lecture matriculation "
                 "pedagogue pedagogy pedant pupil scholar scholarship seminar "
                 "sophomore syllabus thesis tuition tutelage tutor valedictorian "
                 "doctorate tutorial dean provost chancellor campus; "
                 "a: academic.1 didactic erudite scholarly pedantic pedagogical "
                 "literate illiterate collegiate; n: seminary.2 scholastic; "
                 "v: educate instruct tutor matriculate graduate enroll lecture "
                 "indoctrinate inculcate edify",
    },
    "Fights": {
        "hypo": ["fight.n.2", "battle.n.3", "quarrel.n.1", "fight.v.1", "fight.v.2",
                 "struggle.n.1", "dispute.n.1"],
        "words": "n: altercation brawl fracas fray melee scuffle skirmish "
                 "squabble tussle wrangle affray bout fisticuffs pugilist duel feud "
                 "vendetta belligerence pugnacity imbroglio; "
                 "a: bellicose belligerent combative contentious pugnacious.2 truculent "
                 "quarrelsome litigious; v: spar.3 grapple.2 wrestle brawl bicker squabble "
                 "wrangle skirmish joust feud",
    },
    "Gods": {
        "hypo": ["deity.n.1"],
        "words": "n: deity divinity godhead demigod goddess idol pantheon polytheism "
                 "monotheism pantheism.2 theism deism apotheosis deification "
                 "godliness divine avatar demiurge incarnation; "
                 "a: divine godlike celestial olympian omnipotent omniscient "
                 "omnipresent immortal; v: deify idolize worship",
    },
    "Language": {
        "dom": ["linguistics.n.1", "grammar.n.1", "phonetics.n.1", "rhetoric.n.1",
                "semantics.n.1"],
        "hypo": ["figure_of_speech.n.1", "dialect.n.1", "part_of_speech.n.1"],
        "words": "n: accent argot cant colloquialism diction dialect etymology idiom "
                 "jargon lexicon lexicography lingo  morpheme neologism patois.2 "
                 "philology phoneme pidgin polyglot semantics syntax vernacular.2 "
                 "vocabulary.2 linguist orthography grammar creole slang; "
                 "a: bilingual colloquial idiomatic lexical linguistic monolingual "
                 "multilingual phonetic semantic syntactic verbal vernacular "
                 "grammatical; v: articulate enunciate pronounce conjugate.2 decline.7 "
                 "transliterate translate paraphrase",
    },
    "Literature": {
        "dom": ["literature.n.1", "poetry.n.1", "prosody.n.1"],
        "hypo": ["literary_composition.n.1", "poem.n.1", "writer.n.1",
                 "literary_genre.n.1", "novel.n.1"],
        "words": "n: allegory anthology anecdote bibliophile denouement epic epigram "
                 "epilogue epistle fable foreword genre hyperbole lampoon memoir "
                 "metaphor narrative novella parody pastiche.2 plot prologue "
                 "protagonist.2 antagonist quatrain satire sonnet stanza synopsis "
                 "trilogy verse bard laureate lyricist novelist poet "
                 "playwright essayist; a: literary lyrical.2 poetic prosaic epistolary "
                 "allegorical satirical",
    },
    "Mania": {
        "hypo": ["mania.n.1", "mania.n.2"],
        "ends": ["mania", "maniac"],
        "words": "n: obsession compulsion fixation craze.1 frenzy fanaticism delirium "
                 "hysteria zealotry fanatic zealot monomaniac maniac enthusiast "
                 "fetish infatuation; a: manic maniacal obsessive compulsive "
                 "fanatical frenzied delirious hysterical rabid; v: obsess.2",
    },
    "Music": {
        "dom": ["music.n.1", "music.n.3"],
        "hypo": ["musical_composition.n.1", "musician.n.1", "musical_instrument.n.1",
                 "tempo.n.1"],
        "words": "n: cadence.2 crescendo diminuendo virtuoso maestro cantata concerto "
                 "sonata symphony fugue aria requiem libretto overture prelude "
                 "nocturne rhapsody serenade timbre tempo cadenza counterpoint harmony "
                 "melody motif refrain dissonance cacophony euphony coda opus "
                 "repertoire.2 chorister troubadour minstrel virtuosity; "
                 "a: melodious mellifluous dulcet.2 cacophonous dissonant harmonious "
                 "euphonious sonorous staccato legato choral; "
                 "v: compose orchestrate harmonize improvise"
    },
    "Mythology": {
        "dom": ["Greek_mythology.n.1", "Roman_mythology.n.1", "Norse_mythology.n.1"],
        "hypo": ["mythical_being.n.1", "mythical_monster.n.1", "myth.n.1"],
        "words": "n: myth mythology legend fable saga epic folklore pantheon hero "
                 "demigod nymph satyr centaur chimera griffin harpy siren gorgon "
                 "cyclops phoenix titan oracle odyssey nectar ambrosia elysium "
                 "underworld; a: mythical mythic mythological legendary "
                 "fabulous.2 olympian titanic herculean protean",
    },
    "Personality Traits": {
        "words": "a: affable amiable amicable arrogant audacious brash brusque callous "
                 "candid cantankerous capricious churlish complacent conceited "
                 "conscientious contrite convivial courteous covetous craven "
                 "credulous cynical diffident diligent docile dogmatic dour ebullient "
                 "effusive egotistic fastidious fatuous feckless fickle flippant "
                 "frivolous garrulous genial gregarious gullible haughty headstrong "
                 "impetuous imperious impertinent impudent indolent insolent "
                 "intransigent irascible jovial laconic lethargic loquacious "
                 "magnanimous meek mercurial meticulous mettlesome morose "
                 "munificent naive obdurate obsequious obstinate officious "
                 "parsimonious pensive perfidious pertinacious petulant phlegmatic "
                 "placid.2 pompous pragmatic prudent pugnacious punctilious "
                 "pusillanimous querulous rash recalcitrant reticent sagacious "
                 "sanguine sardonic scrupulous sedulous servile sociable solicitous "
                 "staid stoic stolid sullen supercilious surly sycophantic taciturn "
                 "tenacious timorous truculent unctuous urbane vain vainglorious "
                 "venal vindictive vivacious volatile voluble whimsical zealous "
                 "obliging aloof boorish crotchety curmudgeonly indomitable "
                 "intrepid magnanimous modest mendacious narcissistic; "
                 "n: temperament disposition character.3 persona trait idiosyncrasy "
                 "foible quirk eccentricity introvert extrovert egotism hubris "
                 "humility magnanimity probity rectitude integrity.2 timidity "
                 "bravado braggadocio candor diffidence equanimity "
                 "aplomb mettle pluck perseverance tenacity sloth avarice vanity",
    },
    "Phobias": {
        "hypo": ["phobia.n.1"],
        "ends": ["phobia", "phobic"],
        "words": "n: fear dread anxiety panic terror trepidation apprehension "
                 "timidity; a: phobic fearful timorous",
    },
    "Place": {
        "hypo": ["settlement.n.6"],
        "words": "n: hamlet village metropolis megalopolis enclave "
                 "hinterland backwater boondocks outback badlands borough precinct "
                 "district parish diocese prefecture province canton territory "
                 "protectorate colony dominion realm principality duchy fief manor "
                 "demesne homestead oasis archipelago isthmus peninsula promontory "
                 "estuary delta fjord lagoon plateau mesa butte canyon gorge ravine "
                 "vale dale glen moor heath steppe tundra savanna prairie pampas veld "
                 "marsh swamp bog fen quagmire wetland wasteland wilderness grove "
                 "copse thicket meadow pasture arcadia utopia paradise haven refuge "
                 "sanctuary asylum retreat hideaway lair warren labyrinth agora forum "
                 "piazza plaza esplanade promenade boulevard thoroughfare suburb "
                 "outskirts environs purlieu vicinity locale venue site "
                 "whereabouts antipodes hemisphere equator tropics meridian zenith "
                 "nadir horizon frontier periphery heartland mecca capital ghetto "
                 "slum shantytown barrio citadel acropolis necropolis sanctum "
                 "cloister hermitage bastion.2 stronghold redoubt enclosure quadrangle "
                 "courtyard atrium vestibule alcove niche crypt catacomb grotto "
                 "cavern eyrie aerie habitat locality neighborhood township "
                 "municipality conurbation"
                 "; a: rural urban suburban rustic pastoral bucolic arcadian "
                 "insular provincial parochial cosmopolitan metropolitan alpine "
                 "littoral riparian coastal inland subterranean terrestrial",
    },
    "Psychological": {
        "dom": ["psychology.n.1", "psychiatry.n.1", "psychoanalysis.n.1"],
        "hypo": ["defense_mechanism.n.1"],
        "words": "n: psyche ego.3 superego persona.2 archetype complex neurosis psychosis "
                 "paranoia schizophrenia catharsis cognition empathy introvert "
                 "extrovert subconscious unconscious repression projection.6 "
                 "sublimation rationalization denial.3 trauma obsession compulsion "
                 "phobia fixation conditioning stimulus reflex  hallucination "
                 "delusion dementia amnesia insomnia hypochondria melancholia "
                 "euphoria anxiety neurotic psychotic paranoiac psychopath sociopath "
                 "narcissism masochism introspection intuition perception instinct "
                 "motivation temperament.1 mood affect catatonia hysteria mania "
                 "depression psychiatrist psychologist psychotherapy psychoanalyst "
                 "therapist hypnosis hypnotism mnemonic gestalt behaviorism "
                 "psychometrics neuroticism ambivalence apathy anhedonia "
                 "dissociation.2; a: neurotic psychotic paranoid schizoid manic "
                 "subliminal cognitive affective psychosomatic "
                 "introverted extroverted catatonic delusional obsessive compulsive "
                 "traumatic.2 psychic mental",
    },
    "Religion": {
        "dom": ["religion.n.1", "religion.n.2", "theology.n.1", "Christianity.n.1",
                "Roman_Catholic.n.1", "Judaism.n.1", "Islam.n.1", "Hinduism.n.1",
                "Buddhism.n.1", "church.n.1"],
        "hypo": ["religious_person.n.1", "clergyman.n.1", "religious_ceremony.n.1",
                 "sacred_text.n.1"],
        "words": "n: apostasy apostate heresy heretic schism sacrament sacrilege "
                 "blasphemy piety zealot liturgy litany benediction absolution penance "
                 "pilgrimage pontiff prelate cleric novice votary devotee ascetic "
                 "anchorite hermit monastery abbey cloister  dogma creed tenet "
                 "orthodoxy theology eschatology salvation redemption damnation.2 "
                 "perdition atonement.2 epiphany revelation.3 prophecy; "
                 "a: devout pious sacrosanct ecclesiastical clerical.2 secular profane "
                 "sacred sectarian orthodox heterodox monastic; "
                 "v: proselytize consecrate sanctify canonize.1 beatify.3 excommunicate "
                 "ordain.3 atone"
    },
    "Sculpture": {
        "hypo": ["sculpture.n.1", "sculpture.n.2", "statue.n.1", "sculptor.n.1",
                 "carving.n.1"],
        "dom": ["sculpture.n.2"],
        "words": "n:  bust cameo caryatid chisel  effigy figurine "
                 "frieze pedestal plinth relief statuette torso alabaster "
                 "bronze marble patina mold.2 cast.2 intaglio glyptics "
                 "plaster clay atelier studio monument obelisk gargoyle; "
                 "a: sculptural statuesque monumental plastic; v: sculpt carve chisel "
                 " incise engrave model mold cast",
    },
    "Shapes": {
        "hypo": ["plane_figure.n.1", "curve.n.1", "polygon.n.1", "polyhedron.n.1",
                 "round_shape.n.1"],
        "words": "n: sphere cube cylinder cone pyramid prism spheroid ellipsoid "
                 "hemisphere torus helix spiral vortex crescent oval oblong rhombus "
                 "trapezoid parallelogram rectangle square triangle pentagon hexagon "
                 "octagon polygon polyhedron tetrahedron cuboid ovoid arc parabola "
                 "hyperbola ellipse circle ring annulus disk lozenge chevron zigzag "
                 "sinuosity convexity concavity protuberance excrescence contour.2 "
                 "silhouette outline configuration symmetry asymmetry curvature "
                 "angularity circularity; a: angular.2 annular arcuate circular conical "
                 "concave convex cuneiform cylindrical elliptical globular helical "
                 "hexagonal lenticular oblong octagonal orbicular ovoid ovate "
                 "pyramidal rectangular rhomboid serpentine sinuous spherical "
                 "spiral symmetrical asymmetrical tortuous.2 triangular tubular "
                 "crescent amorphous",
    },
    "Sociology": {
        "dom": ["sociology.n.1"],
        "hypo": ["social_class.n.1"],
        "words": "n: anomie assimilation bureaucracy caste community conformity "
                 "demography deviance elite ethnicity gentrification hierarchy "
                 "ideology mores norm ostracism patriarchy matriarchy plutocracy "
                 "proletariat bourgeoisie meritocracy oligarchy socialization "
                 "stratification subculture urbanization xenophobia nepotism "
                 "pluralism welfare sociologist acculturation alienation.1 "
                 "collectivism individualism egalitarianism feudalism capitalism "
                 "socialism communism consumerism materialism secularism "
                 "multiculturalism ethnocentrism chauvinism racism sexism ageism "
                 "discrimination segregation integration migration emigration "
                 "immigration diaspora census demographer gerontocracy aristocracy "
                 "gentry peasantry serfdom slavery underclass intelligentsia "
                 "philanthropy charity altruism kinship tribalism "
                 "civilization modernization industrialization "
                 "globalization ghetto suburbia commune; a: societal communal "
                 "egalitarian sociable collective demographic patriarchal "
                 "hierarchical bourgeois plebeian patrician proletarian urban",
    },
    "Taste": {
        "hypo": ["taste.n.1"],
        "attr": ["taste_property.n.1"],
        "words": "n:  gusto relish savor tang piquancy zest flavor aftertaste "
                 "connoisseur epicure gourmet sapidity; "
                 "a: acerbic acid acrid ambrosial bitter bland delectable flavorful "
                 "flavorless gustatory insipid luscious palatable piquant saccharine "
                 "salty savory sour succulent sweet tangy tart toothsome unpalatable "
                 "vapid zesty  brackish cloying sapid tasty; v: savor relish "
                 "season sweeten sample",
    },
    "Theatre": {
        "dom": ["theater.n.2", "drama.n.3", "dramaturgy.n.1", "stage.n.3"],
        "hypo": ["drama.n.3", "actor.n.1", "theatrical_performance.n.1",
                 "dramatic_composition.n.1"],
        "words": "n: proscenium footlights limelight backdrop soliloquy monologue "
                 "prologue epilogue denouement understudy ingenue thespian troupe "
                 "repertory.3 matinee encore playbill rehearsal audition script "
                 "dramatist playwright impresario dramaturgy auditorium amphitheater "
                 "catharsis pantomime farce tragedy comedy melodrama vaudeville; "
                 "a: theatrical dramatic histrionic thespian operatic; v: rehearse "
                 "upstage overact underact stage",
    },
    "Time": {
        "lex": ["noun.time"],
        "words": "n: antiquity eon epoch era millennium fortnight gloaming twilight "
                 "dusk dawn heyday yore interim hiatus respite interlude juncture "
                 "advent dotage nonage adolescence senescence eternity perpetuity "
                 "posterity aftermath outset morrow eve tenure anachronism "
                 "chronology sabbatical; "
                 "a: annual.2 biennial centennial chronic chronological concurrent "
                 "contemporary diurnal ephemeral eternal extemporaneous imminent "
                 "momentary nocturnal perennial perpetual posthumous premature.3 "
                 "punctual sempiternal simultaneous temporal transient transitory "
                 "antediluvian anachronistic belated erstwhile immemorial "
                 "interim primeval quotidian synchronous tardy timely untimely",
    },
    "Violence": {
        "hypo": ["violence.n.1", "violence.n.2", "violence.n.3", "attack.n.5",
                 "attack.v.1", "assault.v.1", "beat.v.2", "kill.v.1"],
        "words": "n: atrocity.2 bloodshed brutality carnage massacre mayhem onslaught.2 "
                 "rampage savagery slaughter.3 thuggery vandalism terrorism ferocity "
                 "aggression assault mugging battery.7 riot affray havoc fury "
                 "violence barbarity; a: barbarous bloodthirsty brutal ferocious "
                 "homicidal murderous savage truculent vicious violent feral "
                 "sanguinary pugnacious; v: bludgeon maul maim mutilate throttle "
                 "strangle batter pummel ravage brutalize terrorize assault assail",
    },
}

POS_LETTERS = {"n": "n", "v": "v", "a": "a", "r": "r"}

# Words whose presence in a sense's definition (or its hypernyms' names) shows
# that the sense belongs to the category: a hand-picked word is taken in such a
# sense where it has one (relief as carving, not as a feeling).
KEYWORDS = {
    "Anthropology": "culture cultures society societies tribe tribal kin kinship marriage descent ancestor ritual custom people peoples human humans",
    "Aroma": "smell smells smelling odor odour scent fragrance fragrant perfume aroma olfactory incense stench nose",
    "Crime": "crime criminal law illegal unlawful steal theft thief rob robbery fraud murder violence",
    "Dance": "dance dancing dancer ballet step steps",
    "Death": "death dead die dies dying corpse burial bury buried grave tomb funeral mourning kill killing killed mortal",
    "Dimension": "size dimension length width height depth area volume extent large small large great amount measure distance",
    "Eating": "eat eating food meal meals dine dinner appetite hunger hungry taste consume drink feed",
    "Education": "school schools student students teach teaching teacher learning learned university college study academic scholar instruction",
    "Fights": "fight fighting quarrel dispute battle conflict combat attack struggle argue argument hostile",
    "Gods": "god gods goddess deity divine worship heaven heavenly",
    "Language": "language languages word words speech speak spoken grammar linguistic meaning expression dialect",
    "Literature": "literature literary poem poetry poet verse writing writer written story novel prose text book",
    "Mania": "mania craze obsession enthusiasm frenzy madness compulsive passion excitement",
    "Music": "music musical song sound instrument melody rhythm",
    "Mythology": "myth mythology mythical legend legendary hero monster gods",
    "Personality Traits": "disposition character temperament manner behavior behaviour person persons showing",
    "Phobias": "fear dread anxiety panic terror afraid",
    "Place": "place region area land country town city district territory site location",
    "Psychological": "mind mental psychology psychological emotion emotional behavior behaviour feeling",
    "Religion": "religion religious church god worship faith sacred holy priest",
    "Sculpture": "sculpture sculptor statue carving carved figure stone marble relief shape model",
    "Shapes": "shape shaped form curve curved figure line circle round angle",
    "Sociology": "society social class group community population",
    "Taste": "taste flavor flavour food sweet sour bitter palate",
    "Theatre": "theater theatre stage play drama actor actors performance audience",
    "Time": "time period periods day year years age duration occurring occur",
    "Violence": "violence violent force attack kill killing injure harm brutal",
}


MISSING = []


def _synset_key(wn, ref):
    lemma, pos, sense = ref.rsplit(".", 2)
    try:
        return wn.index[(lemma.lower(), pos)][int(sense) - 1]
    except (KeyError, IndexError):
        raise SystemExit(f"categories: no synset {ref}")


def _hand_words(anchors):
    """(lemma, pos, sense number or None) of a 'words' text: 'n: a b.2; a: c d; v: e'."""
    out = []
    for part in anchors.split(";"):
        pos, _, words = part.partition(":")
        for w in words.split():
            lemma, _, number = w.partition(".")
            out.append((lemma, POS_LETTERS[pos.strip()], int(number) if number else None))
    return out


def _category_sense(src, category, lemma, pos):
    """The sense of a hand-picked word that belongs to the category: the first
    in sense order whose definition or hypernyms name a keyword of the
    category, else the word's commonest sense."""
    import generate as g
    words = set(KEYWORDS[category].split())
    for ss, _ in src.wn.senses(lemma, pos):
        bag = set(re.findall(r"[a-z]+", ss.definition.lower()))
        for h in src.wn.hypernyms(ss.key):
            for l in src.wn.synsets[h].lemmas:
                bag.update(l.lower().split("_"))
        if bag & words:
            return ss.key
    return g.commonest_sense(src, lemma, pos).key


def _synsets(src, anchors, category=None):
    """Candidate (synset key, only this lemma or None, hand-picked) of one category."""
    wn = src.wn
    found = []
    # Hand-picked words first: the first sense found of a word is the one kept.
    for lemma, pos, number in _hand_words(anchors.get("words", "")):
        keys = wn.index.get((lemma, pos))
        if not keys or (number and number > len(keys)):
            MISSING.append(f"{lemma}.{pos}")
            continue
        key = keys[number - 1] if number else _category_sense(src, category, lemma, pos)
        found.append((key, lemma, True))
    for ref in anchors.get("hypo", []):
        root = _synset_key(wn, ref)
        found += [(k, None, False) for k in sorted(wn.hyponym_closure(root) | {root})]
    for ref in anchors.get("dom", []):
        root = _synset_key(wn, ref)
        found += [(k, None, False) for k in sorted(wn.domain_members(root))]
    for lexname in anchors.get("lex", []):
        found += [(k, None, False) for k, ss in sorted(wn.synsets.items())
                  if ss.lexname == lexname]
    for ref in anchors.get("attr", []):
        root = _synset_key(wn, ref)
        for k in [root] + sorted(wn.hyponym_closure(root)):
            found += [(t, None, False) for t in sorted(wn.synsets[k].targets("="))]
    for end in anchors.get("ends", []):
        for (lemma, pos), keys in sorted(wn.index.items()):
            if lemma.endswith(end) and lemma != end:
                found += [(k, lemma, True) for k in keys[:1]]
    return found


def _name_ok(src, name, category, ss):
    if not re.fullmatch(r"[A-Za-z]{3,20}", name):
        return False
    if name.islower():
        # A real dictionary word, not a rare variant or foreign term.
        return category in ANY_LEVEL or src.levels.get(name, 99) <= 70
    if category == "Gods" and not re.search(r"\b(god|goddess|deity)\b", ss.definition):
        return False              # saints and heroes among the deity's kin
    if category not in PROPER_NAMES_ALLOWED or not name[0].isupper() or not name[1:].islower():
        return False
    # A name whose lower-case form is an English word would read as that word.
    low = name.lower()
    return src.levels.get(low, 99) > 50 and low not in src.wn.lemma_synsets


def candidates(src, words, freq, name, log):
    """Every entry the category could take, the preferred first: words with a
    reviewed example, then hand-picked words, then words a reader meets (known
    to the dictionary and the corpora); the rest are the rarest names and terms."""
    import generate as g          # the shared sense checks
    seen = {}
    for key, only, hand in _synsets(src, ANCHORS[name], name):
        ss = src.wn.synsets[key]
        for word in ss.lemmas:
            if (only and word.lower() != only) or word.lower() in seen:
                continue
            if not _name_ok(src, word, name, ss) or g.blocked(src, word.lower()):
                continue
            if not hand and word.islower() and len(src.wn.senses(word)) > MAX_SENSES:
                continue
            if word.lower() in src.review_drop_special.get(name, {}):
                log["review (special)"].append(f"{name}: {word}")
                continue
            if g.gives_away(word.lower(), ss.definition) or not ss.definition:
                continue
            if g.SENSITIVE_GLOSS.search(ss.definition):
                continue
            seen[word.lower()] = (word, ss, hand)
    entries = []
    for low, (word, ss, hand) in sorted(seen.items()):
        e = _entry(src, words, name, word, ss)
        if g.meaning_problem(e.meaning):
            continue
        entries.append((not e.example, not hand, src.levels.get(low, 99) > 50,
                        -freq(low), low, e))
    entries.sort(key=lambda t: t[:5])
    return [t[-1] for t in entries]


def build(src, words, freq, cuts, log):
    """Rows of the special word list, category by category. A word that is in
    the main table in the same sense carries the same meaning and example."""
    import generate as g          # the shared grading
    rows = []
    for number, name in enumerate(NAMES, 1):
        entries = candidates(src, words, freq, name, log)
        if len(entries) > MAX_PER_CATEGORY:
            log["category cap"].append(f"{name}: {len(entries) - MAX_PER_CATEGORY} over")
            entries = entries[:MAX_PER_CATEGORY]
        for e in entries:
            e.groupid = number
            e.specialwl = name
        g.grade(src, entries, freq, cuts)
        entries.sort(key=lambda e: e.name.lower())
        rows += entries
    unused = set(src.category_examples) - {(e.specialwl, e.name.lower()) for e in rows}
    if MISSING or unused:
        raise SystemExit("categories: not in WordNet: " + " ".join(MISSING) +
                         "; examples for no entry: " + " ".join(sorted(f"{c}:{w}" for c, w in unused)))
    return rows


def _entry(src, words, category, word, ss):
    """The entry of `word` in the sense `ss`: the main table's meaning and
    example where that is the same sense, else WordNet's meaning with the
    reviewed sentence of categories.txt ("=": WordNet's own, reviewed)."""
    import generate as g
    low = word.lower()
    main = words.get(low)
    same = main is not None and main.synset == ss.key
    if same and main.example:
        return g.Entry(word, main.meaning, main.example, ss.pos, ss.key)
    meaning = main.meaning if same else g.tidy_meaning(ss.definition)
    sentence = src.category_examples.get((category, low))
    example = ""
    if sentence == "=":
        example = g.wordnet_example(src, low, ss.pos, ss)
        if not example:
            raise SystemExit(f"categories.txt: {category}: {word}: WordNet has no usable example")
    elif sentence:
        why = g.sentence_problem(sentence)
        example = usage.mask_example(low, ss.pos, sentence, usage.all_forms(low, src.wn))
        if why or not example:
            raise SystemExit(f"categories.txt: {category}: {word}: "
                             f"{why or 'cannot mask the word'}: {sentence}")
    return g.Entry(word, meaning, example, ss.pos, ss.key)
