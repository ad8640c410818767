"""The helpers of scripts/balance and scripts/tune-world, each case worked out by hand."""
import importlib.machinery
import importlib.util
import pathlib
import tempfile
import unittest

SCRIPTS = pathlib.Path(__file__).resolve().parent.parent.parent / "scripts"


def load(name):
    loader = importlib.machinery.SourceFileLoader(name.replace("-", "_"), str(SCRIPTS / name))
    found = importlib.util.spec_from_loader(loader.name, loader)
    module = importlib.util.module_from_spec(found)
    loader.exec_module(module)
    return module


balance = load("balance")
tune = load("tune-world")


class WhyACareerEnded(unittest.TestCase):
    def test_the_subjects_of_the_last_days_name_the_reason(self):
        cases = [
            (["Wages", "Contract Termination"], "debt"),
            (["Serious Financial Problem", "Contract Termination"], "debt"),
            (["Kaminari Impact Axed", "Contract Terminated"], "TV show axed"),
            (["Roster Too Small", "Contract Terminated"], "roster too small"),
            (["Weekly Review", "Your 6 Week Trial Period"], "board"),
            (["Wages"], "dismissed"),
        ]
        for subjects, reason in cases:
            with self.subTest(subjects=subjects):
                self.assertEqual(balance.why_ended(subjects), reason)

    def test_only_the_last_days_count(self):
        out = ("Monday 1st January 2007\n  Old News\nTuesday 2nd January 2007\n  Wages\n"
               "Wednesday 3rd January 2007\nThursday 4th January 2007\n  Contract Termination\n  Weekly Review\n")
        self.assertEqual(balance.last_days_subjects(out, days=3), ["Wages", "Contract Termination", "Weekly Review"])
        self.assertEqual(balance.last_days_subjects(out, days=1), ["Contract Termination", "Weekly Review"])


class TheTables(unittest.TestCase):
    def test_checkpoints_are_the_years_played_of_one_five_and_ten(self):
        for years, points in [(1, [1]), (4, [1]), (5, [1, 5]), (9, [1, 5]), (10, [1, 5, 10]), (30, [1, 5, 10])]:
            with self.subTest(years=years):
                self.assertEqual(balance.checkpoints(years), points)

    def test_the_balance_ratio_leaves_out_careers_that_started_in_debt_or_ended_early(self):
        careers = [
            {"snapshots": [{"balance": 1000}, {"balance": 3000}]},
            {"snapshots": [{"balance": 2000}, {"balance": 1000}]},
            {"snapshots": [{"balance": -500}, {"balance": 9000}]},
            {"snapshots": [{"balance": 4000}]},
        ]
        self.assertEqual(balance.ratio_at(careers, 1), 1.75)  # the median of 3.0 and 0.5
        self.assertIsNone(balance.ratio_at(careers, 2))

    def test_shares_count_the_edges_of_their_bands(self):
        ratings = [29, 30, 39, 40, 89, 90]
        self.assertAlmostEqual(balance.share(ratings, lambda r: r >= 90), 100 / 6)
        self.assertAlmostEqual(balance.share(ratings, lambda r: r < 30), 100 / 6)
        self.assertAlmostEqual(balance.share(ratings, lambda r: r < 40), 50.0)
        self.assertIsNone(balance.share([], lambda r: True))


class CardsOfOneGender(unittest.TestCase):
    def test_pairs_are_made_in_order_within_each_gender(self):
        people = [{"name": n, "gender": g} for n, g in
                  [("A", "Male"), ("B", "Female"), ("C", "Male"), ("D", "Male"), ("E", "Female"), ("F", "Male")]]
        names = lambda pairs: [(a["name"], b["name"]) for a, b in pairs]
        self.assertEqual(names(balance.card_pairs(people, 5)), [("A", "C"), ("B", "E"), ("D", "F")])
        self.assertEqual(names(balance.card_pairs(people, 2)), [("A", "C"), ("B", "E")])
        self.assertEqual(balance.card_pairs(people[:2], 1), [])


class Regrading(unittest.TestCase):
    def test_places_run_from_the_lowest_to_the_highest_and_ties_share_one(self):
        self.assertEqual(tune.places([30, 10, 20, 20]), [1.0, 0.0, 0.5, 0.5])
        self.assertEqual(tune.places([7]), [0.5])

    def test_the_skill_curve_is_read_between_its_points(self):
        curve = [(0.0, 10), (0.5, 50), (1.0, 60)]
        for place, total in [(0.0, 10), (0.25, 30), (0.5, 50), (0.9, 58), (1.0, 60)]:
            with self.subTest(place=place):
                self.assertAlmostEqual(tune.interpolate(curve, place), total)


class Signing(unittest.TestCase):
    def fed(self, size, reference):
        fed = [""] * 238
        fed[0], fed[3], fed[91] = "XYZ", str(size), str(reference)
        return fed

    def test_wages_follow_the_asking_price_and_the_size_of_the_promotion(self):
        cases = [(50, 1, "100"), (51, 1, "200"), (65, 1, "500"), (66, 3, "1050"), (80, 6, "12000"), (81, 4, "12000")]
        for pop, size, wages in cases:
            with self.subTest(pop=pop, size=size):
                w = [""] * 31
                w[tune.POP] = str(pop)
                tune.sign(w, self.fed(size, 70))
                self.assertEqual((w[tune.PROMOTION], w[tune.WAGES]), ("XYZ", wages))

    def test_the_card_position_is_judged_against_the_reference_level(self):
        for pop, role, indy in [(70, "3", "No"), (69, "2", "No"), (58, "2", "No"), (57, "1", "No")]:
            with self.subTest(pop=pop):
                w = [""] * 31
                w[tune.POP] = str(pop)
                tune.sign(w, self.fed(4, 70))
                self.assertEqual((w[tune.ROLES], w[tune.INDY]), (role, indy))
        w = [""] * 31
        w[tune.POP] = "40"
        tune.sign(w, self.fed(3, 70))
        self.assertEqual(w[tune.INDY], "Yes")


class Stipulations(unittest.TestCase):
    def test_danger_halves_and_one_skill_rules_get_a_larger_bonus(self):
        # (danger, bonus, skill) before and after
        cases = [((25, 60, "Both"), (13, 60)), ((50, 30, "Yes"), (25, 45)), ((5, 50, "No"), (3, 65)),
                 ((4, 75, "Yes"), (3, 90)), ((0, 80, "No"), (0, 90))]
        with tempfile.TemporaryDirectory() as d:
            lines = []
            for (danger, bonus, skill), _ in cases:
                record = ["0"] * 19
                record[0], record[1], record[17] = "Singles", "X", skill
                record[7], record[9], record[11] = str(danger), str(bonus), str(bonus)
                lines += record
            path = pathlib.Path(d) / "stipulations.rv1"
            tune.write_lines(path, lines)
            tune.soften_stipulations(pathlib.Path(d))
            out = tune.read_lines(path)
            self.assertTrue(path.read_bytes().endswith(b"0\r\n"))
        for k, (_, (danger, bonus)) in enumerate(cases):
            with self.subTest(case=k):
                self.assertEqual(out[k * 19 + 7], str(danger))
                self.assertEqual(out[k * 19 + 9], str(bonus))
                self.assertEqual(out[k * 19 + 11], str(bonus))


def tuned(workers, step, feds=()):
    """Runs a tuning step on a folder of the given workers ({column: value} each) and promotions;
    gives the wrestlers' lines after it."""
    with tempfile.TemporaryDirectory() as d:
        folder = pathlib.Path(d)
        for fields in feds:
            fed = [""] * 238
            for column, value in fields.items():
                fed[column] = value
            tune.write_lines(folder / f"{fed[0]}.fed", fed)
        lines = []
        for fields in workers:
            w = [""] * 31
            for column, value in fields.items():
                w[column] = value
            lines += w
        tune.write_lines(folder / "wrestlers.rv1", lines)
        step(folder)
        return tune.read_lines(folder / "wrestlers.rv1")


class WholeRosters(unittest.TestCase):
    def test_only_the_solvent_regional_and_national_promotions_start_less_content(self):
        # (promotion, morale, retire) and the morale after
        cases = [(("REG", "79", "5"), "67"), (("REG", "57", "5"), "45"), (("REG", "56", "5"), "45"),
                 (("REG", "30", "5"), "30"), (("REG", "79", "R"), "79"), (("NAT", "100", "0"), "88"),
                 (("LOC", "79", "5"), "79"), (("DEBT", "79", "5"), "79"), (("Free Agent", "79", "5"), "79")]
        feds = [{0: initials, 3: size, tune.BALANCE: balance} for initials, size, balance in
                [("REG", "3", "2000000"), ("NAT", "6", "40000000"), ("LOC", "2", "800000"), ("DEBT", "5", "-6000000")]]
        out = tuned([{tune.PROMOTION: p, tune.MORALE: m, tune.RETIRE: r} for (p, m, r), _ in cases], tune.settle_morale, feds)
        for k, (case, after) in enumerate(cases):
            with self.subTest(case=case):
                self.assertEqual(out[k * 31 + tune.MORALE], after)

    def test_both_skills_of_the_named_promotions_wrestlers_fall_and_never_below_one(self):
        # (promotion, style, retire, ability, hardcore) and the two skills after a cut of 4 for STR
        cases = [(("STR", "Technical", "5", "70", "9"), ("66", "5")), (("STR", "Hardcore", "0", "4", "3"), ("1", "1")),
                 (("STR", "Non-Worker", "5", "70", "9"), ("70", "9")), (("STR", "Technical", "R", "70", "9"), ("70", "9")),
                 (("OTHER", "Technical", "5", "70", "9"), ("70", "9"))]
        workers = [{tune.PROMOTION: p, tune.STYLE: st, tune.RETIRE: r, tune.ENT: e, tune.HARDCORE: h}
                   for (p, st, r, e, h), _ in cases]
        out = tuned(workers, lambda folder: tune.weaken_strong_rosters(folder, {"STR": 4}))
        for k, (case, after) in enumerate(cases):
            with self.subTest(case=case):
                self.assertEqual((out[k * 31 + tune.ENT], out[k * 31 + tune.HARDCORE]), after)

    def test_the_small_promotions_titles_are_capped_by_their_size(self):
        # (size, title name line, value line, value) and the value after; a slot without a name is left alone
        cases = [(("1", 85, 87, "71"), "70"), (("2", 100, 102, "70"), "70"), (("2", 115, 117, "69"), "69"),
                 (("2", 145, 148, "95"), "70"), (("3", 130, 132, "81"), "80"), (("3", 199, 202, "80"), "80"),
                 (("4", 85, 87, "95"), "95"), (("1", None, 102, "90"), "90")]
        with tempfile.TemporaryDirectory() as d:
            folder = pathlib.Path(d)
            for k, ((size, name, value, before), _) in enumerate(cases):
                fed = [""] * 238
                fed[0], fed[3], fed[value] = f"P{k}", size, before
                if name is not None:
                    fed[name] = "A Title"
                tune.write_lines(folder / f"P{k}.fed", fed)
            tune.cap_title_values(folder)
            for k, ((size, name, value, before), after) in enumerate(cases):
                with self.subTest(size=size, value=value, before=before):
                    self.assertEqual(tune.read_lines(folder / f"P{k}.fed")[value], after)


if __name__ == "__main__":
    unittest.main()
